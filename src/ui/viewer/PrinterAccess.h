// The application's current printer and its Print Setup command, behind a
// seam so that tests print without a print system.
#pragma once

#include <QString>
#include <functional>

class QPrinter;
class QWidget;

namespace kolekt {

class PrinterSeam {
public:
    virtual ~PrinterSeam() = default;
    // The printer Print uses: the one chosen in Print Setup during this run, else the system's
    // default printer; null when there is none. The seam keeps ownership.
    virtual QPrinter* currentPrinter() = 0;
    // Shows the Print Setup dialog; on OK its choice becomes the current printer until the
    // program ends.
    virtual void printSetup(QWidget* parent) = 0;
};

// The installed seam, or the application's own printer access.
PrinterSeam& printerAccess();

// Replaces the application's printer access (null restores it). The seam is not owned.
void setPrinterSeam(PrinterSeam* seam);

// Runs job on the current printer under the wait cursor, and tells the user, over owner, when
// there is no printer or what job answered went wrong.
void printOnCurrentPrinter(QWidget* owner, const std::function<QString(QPrinter&)>& job);

} // namespace kolekt
