// One print job of the report collection form or of the group's year: on a printer of the print
// system, or into the PDF file chosen in Print Setup. What went wrong comes back as the text to
// show the user.
#pragma once

#include <QString>

class QPrinter;

namespace kolekt {

class CollectionStore;

// Prints every page of the month's form. Returns empty when the job went out, else the message
// that says what failed: printing could not start, the print system did not take the job, or
// the PDF file could not be written (then no partial file is left in its place).
QString printForm(QPrinter& printer, const CollectionStore& store, int month);

// Prints the group's last twelve months in landscape, with the same answers as printForm. The
// printer keeps the orientation it had for the jobs after this one.
QString printGroupYear(QPrinter& printer, const CollectionStore& store);

} // namespace kolekt
