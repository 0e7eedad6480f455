// Taking back the posts of this session, newest first, and what the "Last Person Posted" frame
// says about the newest one that stands.

#include "resources/MainDialogTemplate.h"
#include "ui/common/MessageBox.h"
#include "ui/common/UiText.h"
#include "ui/main/CMainDlg.h"
#include "ui/main/PostDescription.h"

#include <QListWidget>

namespace kolekt {

using namespace main_dialog;

void CMainDlg::undoLastPost() {
    if (exited_)
        return;
    if (undo_.empty()) {
        messageBox(loadUiText(TextId::NothingToUndo), MessageButtons::Ok, MessageIcon::Information,
                   this);
        focusList();
        return;
    }
    const int record = undo_.undo(store_).record;
    // Written at once, like the post it takes back.
    saveNow();
    updateStatus();
    fillList();
    selectRecord(record);
}

QString CMainDlg::undoCommandText() const {
    if (undo_.empty())
        return loadUiText(TextId::UndoMenu);
    return undoPostingText(store_, undo_.last().record, undo_.last().month);
}

QString CMainDlg::lastPostText() const {
    if (!undo_.empty())
        return describePost(store_, undo_.last().record, undo_.last().month);
    return recordText(store_.lastPosted());
}

void CMainDlg::selectRecord(int record) {
    QListWidget* list = publisherList();
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->data(Qt::UserRole).toInt() == record) {
            setListSelection(kPublisherList, row);
            break;
        }
    }
    focusList();
    showSelection();
}

} // namespace kolekt
