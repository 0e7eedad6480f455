// The whole form, and the group's year, as one document on a paged Qt device: the printer path
// and the PDF path share this, so both come out alike.
#pragma once

#include <QString>

class QPainter;
class QPagedPaintDevice;

namespace kolekt {
class CollectionStore;
}

namespace kolekt::report {

enum class Paper { A4, Letter };

// Renders every page with a painter already begun on the device.
void renderForm(QPainter& painter, QPagedPaintDevice& device, const CollectionStore& store,
                int month);

// Letter where the locale measures in US units, A4 elsewhere.
Paper defaultPaper();

// Writes the form of the month as a PDF at 600 dots per inch, as a new file that replaces
// whatever is at path (a link is replaced, not followed); false when it cannot be written,
// and then nothing at path has changed.
bool writeFormPdf(const CollectionStore& store, int month, const QString& path, Paper paper);

// Renders the group's last twelve months; the device should lie in landscape.
void renderGroupYear(QPainter& painter, QPagedPaintDevice& device, const CollectionStore& store);

// The group's year as a landscape PDF, written as writeFormPdf writes the form.
bool writeGroupYearPdf(const CollectionStore& store, const QString& path, Paper paper);

} // namespace kolekt::report
