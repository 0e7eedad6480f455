// The overseer's guide in a window of its own: the sections in a list, the text with links
// between them, and a search field; in the interface language, English where a section is not
// translated.
#pragma once

#include <QDialog>
#include <string_view>

class QLineEdit;
class QListWidget;
class QTextBrowser;

namespace kolekt {

class CGuideWindow : public QDialog {
    Q_OBJECT

public:
    CGuideWindow(std::string_view section, QWidget* owner);

    // Opens the guide modally over owner at section; F1 in a window calls this with the
    // section that describes it.
    static void show(std::string_view section, QWidget* owner);

    void showSection(std::string_view section);

private:
    void findNext();

    QListWidget* sections_;
    QTextBrowser* text_;
    QLineEdit* search_;
};

} // namespace kolekt
