// A stand-in for Excel under the ProgID "Excel.Application": a COM local server holding the part of
// Excel's object model the Excel backend reaches (Application, Workbooks, Workbook, Names(...),
// RefersToRange, Range.Cells(i), Value, Address, Worksheet.Name), so that the backend's OLE
// Automation runs for real on a machine without Excel: the ProgID looked up, the server started,
// every property and method reached by name across processes.
//
// Its "workbook" is a text file in Windows-1252, one defined name per line, fields separated by tabs:
//   sheet  name  column  first row  value...
// The name refers to one column of the sheet, from the first row down, one cell per value. A value is
// a number, a text after an apostrophe ('Operação), an error (#DIV/0!, #VALUE!, #N/A) or nothing (an
// empty cell). Workbook.Save writes the file back in the same form.
#pragma once

// The stand-in's class; registered under Excel.Application only while a test runs.
#define EXCEL_SUBSTITUTO_CLSID L"{0a959497-b9b1-4a81-9828-98ea666b4ceb}"
