// Late-bound OLE Automation: an IDispatch object whose properties and methods are reached by name
// (GetIDsOfNames, then Invoke), as scripting languages do. Windows only.
#pragma once
#ifdef _WIN32

#include <windows.h>
#include <oleauto.h>

#include <initializer_list>
#include <string>

namespace tarnel {

// A VARIANT that clears itself.
struct OleVariant : VARIANT {
  OleVariant() { VariantInit(this); }
  ~OleVariant() { VariantClear(this); }
  OleVariant(const OleVariant&) = delete;
  OleVariant& operator=(const OleVariant&) = delete;
};

class OleObject {
 public:
  OleObject() = default;
  explicit OleObject(IDispatch* owned) : object_(owned) {}  // takes over one reference
  ~OleObject() { reset(); }
  OleObject(OleObject&& other) noexcept : object_(other.object_) { other.object_ = nullptr; }
  OleObject& operator=(OleObject&& other) noexcept;
  OleObject(const OleObject&) = delete;
  OleObject& operator=(const OleObject&) = delete;

  // A new instance of the application registered under prog_id ("Excel.Application").
  static OleObject create(const wchar_t* prog_id, std::string& error);

  bool valid() const { return object_ != nullptr; }
  void reset();

  // Each returns false on failure, with error telling why (the application's own description when
  // it gives one, in Windows-1252). Arguments are in their natural order.
  bool get(const wchar_t* name, std::initializer_list<VARIANT> args, VARIANT& result, std::string& error) const;
  bool get_object(const wchar_t* name, std::initializer_list<VARIANT> args, OleObject& result, std::string& error) const;
  bool put(const wchar_t* name, const VARIANT& value, std::string& error) const;
  bool call(const wchar_t* name, std::initializer_list<VARIANT> args, VARIANT& result, std::string& error) const;

 private:
  bool invoke(const wchar_t* name, WORD flags, std::initializer_list<VARIANT> args, VARIANT* result,
              std::string& error) const;

  IDispatch* object_ = nullptr;
};

}  // namespace tarnel

#endif
