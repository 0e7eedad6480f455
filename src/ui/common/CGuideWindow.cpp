#include "ui/common/CGuideWindow.h"

#include "resources/Catalogue.h"
#include "resources/Guide.h"
#include "ui/common/MessageBox.h"
#include "ui/common/StandardControls.h"
#include "ui/common/UiText.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace kolekt {

namespace {

QString sectionTitle(const QString& html) {
    static const QRegularExpression heading(QStringLiteral("<h2>(.*?)</h2>"));
    QString title = heading.match(html).captured(1);
    title.replace(QLatin1String("&lt;"), QLatin1String("<"));
    title.replace(QLatin1String("&gt;"), QLatin1String(">"));
    title.replace(QLatin1String("&amp;"), QLatin1String("&"));
    return title;
}

} // namespace

CGuideWindow::CGuideWindow(std::string_view section, QWidget* owner) : QDialog(owner) {
    setWindowTitle(loadUiText(TextId::GuideTitle));
    sections_ = new QListWidget(this);
    sections_->setAccessibleName(loadUiText(TextId::GuideSections));
    text_ = new QTextBrowser(this);
    text_->setOpenExternalLinks(false);
    text_->setAccessibleName(windowTitle());
    QString document;
    for (std::string_view id : guideSections()) {
        const QString html = QString::fromStdString(guideSectionHtml(id, currentLanguage()));
        const QString anchor = QString::fromUtf8(id.data(), static_cast<qsizetype>(id.size()));
        document += QStringLiteral("<a name=\"") + anchor + QStringLiteral("\"></a>") + html;
        auto* item = new QListWidgetItem(sectionTitle(html), sections_);
        item->setData(Qt::UserRole, anchor);
    }
    text_->setHtml(document);
    connect(sections_, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (item)
            text_->scrollToAnchor(item->data(Qt::UserRole).toString());
    });

    auto* searchLabel = new QLabel(loadUiText(TextId::GuideSearchLabel), this);
    search_ = new QLineEdit(this);
    searchLabel->setBuddy(search_);
    search_->setAccessibleName(withoutMnemonic(searchLabel->text()));
    connect(search_, &QLineEdit::returnPressed, this, &CGuideWindow::findNext);
    connect(search_, &QLineEdit::textEdited, this, [this] {
        // Each new word is looked for from the top.
        text_->moveCursor(QTextCursor::Start);
        findNext();
    });

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(loadUiText(TextId::CloseButton), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(searchLabel);
    searchRow->addWidget(search_);
    auto* body = new QHBoxLayout;
    body->addWidget(sections_, 1);
    body->addWidget(text_, 3);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(searchRow);
    layout->addLayout(body);
    layout->addWidget(buttons);
    resize(760, 480);
    showSection(section);
    text_->setFocus();
}

void CGuideWindow::show(std::string_view section, QWidget* owner) {
    CGuideWindow guide(section, owner);
    guide.exec();
}

void CGuideWindow::showSection(std::string_view section) {
    const QString anchor =
        QString::fromUtf8(section.data(), static_cast<qsizetype>(section.size()));
    for (int row = 0; row < sections_->count(); ++row) {
        if (sections_->item(row)->data(Qt::UserRole).toString() == anchor) {
            sections_->setCurrentRow(row);
            text_->scrollToAnchor(anchor);
            return;
        }
    }
}

// From where the last match ended, wrapping round to the top once.
void CGuideWindow::findNext() {
    const QString wanted = search_->text();
    if (wanted.isEmpty())
        return;
    if (!text_->find(wanted)) {
        text_->moveCursor(QTextCursor::Start);
        text_->find(wanted);
    }
}

} // namespace kolekt
