#pragma once

#include <QString>
#include <QStringList>

// The system's printers through CUPS, for the tools; the window reaches them through
// Qt's print dialog. Its own library, so that only a program that prints links libcups.
namespace senvio {

// Empty when CUPS knows a printer (or class) of this name, else the German message why
// it cannot be printed to: the service does not answer within 10 seconds, cannot be reached,
// or has no such printer (Druckerfehlt).
QString PruefeDrucker(const QString& name);

// "Den Drucker "NAME" gibt es nicht." and the printers there are, or that there is none.
QString Druckerfehlt(const QString& name, const QStringList& vorhandene);

// Hands a PDF file to the printer at actual size on A4 and returns the job's number. CUPS
// has its own copy when this returns. Throws Fehler with CUPS's reason; no request waits for
// the service longer than 10 seconds.
int GibAnDrucker(const QString& name, const QString& pdfDatei, const QString& titel);

} // namespace senvio
