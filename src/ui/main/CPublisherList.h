// The main window's list of publishers. Typing the first letters of a name selects it, without
// regard to accents or case ("cer" finds "Černý, Jan"); letters that start no name leave
// nothing selected, rather than an unrelated name that Enter would post.
#pragma once

#include <QElapsedTimer>
#include <QListWidget>

namespace kolekt {

class CPublisherList : public QListWidget {
    Q_OBJECT

public:
    explicit CPublisherList(QWidget* parent);

    void keyboardSearch(const QString& search) override;

    // text folded for comparing: accents dropped, case folded.
    static QString searchKey(const QString& text);

private:
    int findFrom(int start, const QString& key) const;

    QString typed_;
    QElapsedTimer sinceLastKey_;
};

} // namespace kolekt
