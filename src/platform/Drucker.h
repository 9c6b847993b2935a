#pragma once

#include <QString>

// The system's printers through CUPS, for the tools; the window reaches them through
// Qt's print dialog. Its own library, so that only a program that prints links libcups.
namespace senvio {

// Empty when CUPS knows a printer (or class) of this name, else the German message why
// it cannot be printed to.
QString PruefeDrucker(const QString& name);

// Hands a PDF file to the printer at actual size on A4 and returns the job's number. CUPS
// has its own copy when this returns. Throws Fehler with CUPS's reason.
int GibAnDrucker(const QString& name, const QString& pdfDatei, const QString& titel);

} // namespace senvio
