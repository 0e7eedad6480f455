// What the main window shows of the collection month beside the names: each line's status,
// the summary under the counts, the hint of an empty window, and a collection file dropped on
// the window.

#include "collection/CollectionPath.h"
#include "collection/MonthOverview.h"
#include "resources/MainDialogTemplate.h"
#include "resources/PathText.h"
#include "resources/TextTables.h"
#include "ui/common/StandardControls.h"
#include "ui/common/UiText.h"
#include "ui/main/CMainDlg.h"
#include "ui/main/StatusIcons.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QListWidgetItem>
#include <QMimeData>
#include <QStringList>
#include <QUrl>

namespace kolekt {

using namespace main_dialog;
using namespace Qt::StringLiterals;

namespace {

TextId stateText(ReportState state) {
    switch (state) {
    case ReportState::Reported:
        return TextId::StatusReported;
    case ReportState::RemarkOnly:
        return TextId::StatusRemarkOnly;
    case ReportState::Missing:
        break;
    }
    return TextId::StatusMissing;
}

// The one collection file of a drop, empty when the drop holds anything else.
QString droppedCollection(const QMimeData* data) {
    const QList<QUrl> urls = data ? data->urls() : QList<QUrl>();
    if (urls.size() != 1 || !urls.front().isLocalFile())
        return {};
    const QString path = urls.front().toLocalFile();
    return isCollectionPath(toPath(path)) ? path : QString();
}

} // namespace

QString CMainDlg::monthText(int month) const {
    return QString::fromStdString(monthName(month, false, store_.languageCode()));
}

void CMainDlg::markLine(QListWidgetItem* item, int record) const {
    const ReportState state = reportState(store_, record, store_.month(), store_.yearSlot());
    const int lateMonth = lateMonthPosted(store_, record);
    QString status = loadUiText(stateText(state));
    if (lateMonth >= 0)
        status += u", "_s + loadUiText(TextId::StatusLateFor, {monthText(lateMonth)});
    item->setIcon(statusIcon(state, lateMonth >= 0));
    item->setToolTip(status);
    // A screen reader reads the line as "Berg, Anna, reported"; the text itself stays the name.
    item->setData(Qt::AccessibleTextRole, item->text() + u", "_s + status);
    item->setData(Qt::AccessibleDescriptionRole, status);
}

QString CMainDlg::summaryText() const {
    if (store_.publisherCount() == 0) {
        return loadUiText(TextId::EmptyWindowHint,
                          {withoutMnemonic(loadUiText(TextId::LoadNewListButton))});
    }
    const MonthTotals totals = monthTotals(store_);
    const QString month =
        monthText(store_.month()) + u' ' + QString::number(collectionYear(store_));
    QStringList lines{loadUiText(TextId::SummaryReported, {month, QString::number(totals.reported),
                                                           QString::number(totals.total)})};
    if (totals.pioneers != 0 || totals.studies != 0) {
        lines << loadUiText(TextId::SummaryPioneers, {QString::number(totals.pioneerHours),
                                                      QString::number(totals.studies)});
    }
    if (totals.reported == totals.total) {
        lines << loadUiText(TextId::AllReportsIn,
                            {withoutMnemonic(loadUiText(TextId::CreateFileButton))});
    }
    return lines.join(u'\n');
}

QStringList CMainDlg::missingNames() const {
    QStringList names;
    for (int r = 1; r <= store_.publisherCount(); ++r) {
        if (store_.isReportMissing(r, store_.month(), store_.yearSlot()))
            names << recordText(store_.formatName(r, true));
    }
    return names;
}

void CMainDlg::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedCollection(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void CMainDlg::dropEvent(QDropEvent* event) {
    const QString path = droppedCollection(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    // Loaded once the drop has ended: the load may ask questions, and the program the file
    // came from waits for the drop to end.
    QMetaObject::invokeMethod(
        this, [this, path] { loadListFrom(toPath(path)); }, Qt::QueuedConnection);
}

} // namespace kolekt
