#include "spreadsheet/excel/ole_dispatch.h"

#include <cstdio>
#include <vector>

#include "compat/cp1252.h"

namespace tarnel {
namespace {

std::string HresultText(const char* what, HRESULT code) {
  char text[96];
  std::snprintf(text, sizeof text, "%s (0x%08lX)", what, static_cast<unsigned long>(code));
  return text;
}

}  // namespace

OleObject& OleObject::operator=(OleObject&& other) noexcept {
  if (this != &other) {
    reset();
    object_ = other.object_;
    other.object_ = nullptr;
  }
  return *this;
}

void OleObject::reset() {
  if (object_ != nullptr) object_->Release();
  object_ = nullptr;
}

OleObject OleObject::create(const wchar_t* prog_id, std::string& error) {
  CLSID clsid;
  HRESULT hr = CLSIDFromProgID(prog_id, &clsid);
  if (FAILED(hr)) {
    error = HresultText("not registered on this computer", hr);
    return OleObject();
  }
  IDispatch* object = nullptr;
  hr = CoCreateInstance(clsid, nullptr, CLSCTX_LOCAL_SERVER, IID_IDispatch, reinterpret_cast<void**>(&object));
  if (FAILED(hr) || object == nullptr) {
    error = HresultText("could not be started", hr);
    return OleObject();
  }
  return OleObject(object);
}

bool OleObject::invoke(const wchar_t* name, WORD flags, std::initializer_list<VARIANT> args, VARIANT* result,
                       std::string& error) const {
  if (object_ == nullptr) {
    error = "no object";
    return false;
  }
  DISPID id = 0;
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  HRESULT hr = object_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
  if (FAILED(hr)) {
    error = HresultText("unknown member", hr);
    return false;
  }
  // Invoke takes the arguments last first.
  std::vector<VARIANT> reversed(args.begin(), args.end());
  std::vector<VARIANT>(reversed.rbegin(), reversed.rend()).swap(reversed);
  DISPPARAMS params{reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
  DISPID named_put = DISPID_PROPERTYPUT;
  if (flags & DISPATCH_PROPERTYPUT) {
    params.rgdispidNamedArgs = &named_put;
    params.cNamedArgs = 1;
  }
  EXCEPINFO exception{};
  UINT bad_argument = 0;
  hr = object_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result, &exception, &bad_argument);
  if (SUCCEEDED(hr)) return true;
  if (hr == DISP_E_EXCEPTION) {
    if (exception.pfnDeferredFillIn != nullptr) exception.pfnDeferredFillIn(&exception);
    error = exception.bstrDescription != nullptr
                ? compat::utf16_to_cp1252(std::u16string_view(reinterpret_cast<const char16_t*>(exception.bstrDescription),
                                                              SysStringLen(exception.bstrDescription)))
                : HresultText("failed", exception.scode);
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
  } else {
    error = HresultText("failed", hr);
  }
  return false;
}

bool OleObject::get(const wchar_t* name, std::initializer_list<VARIANT> args, VARIANT& result, std::string& error) const {
  return invoke(name, DISPATCH_PROPERTYGET | DISPATCH_METHOD, args, &result, error);
}

bool OleObject::get_object(const wchar_t* name, std::initializer_list<VARIANT> args, OleObject& result,
                           std::string& error) const {
  OleVariant value;
  if (!get(name, args, value, error)) return false;
  if (value.vt != VT_DISPATCH || value.pdispVal == nullptr) {
    error = "not an object";
    return false;
  }
  value.pdispVal->AddRef();
  result = OleObject(value.pdispVal);
  return true;
}

bool OleObject::put(const wchar_t* name, const VARIANT& value, std::string& error) const {
  return invoke(name, DISPATCH_PROPERTYPUT, {value}, nullptr, error);
}

bool OleObject::call(const wchar_t* name, std::initializer_list<VARIANT> args, VARIANT& result, std::string& error) const {
  return invoke(name, DISPATCH_METHOD, args, &result, error);
}

}  // namespace tarnel
