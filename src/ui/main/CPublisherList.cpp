#include "ui/main/CPublisherList.h"

#include <QApplication>

namespace kolekt {

namespace {

// Letters that carry their mark in the letter itself rather than as a combining accent.
QChar plainLetter(QChar c) {
    switch (c.unicode()) {
    case 0x0141: // Ł
    case 0x0142:
        return u'l';
    case 0x00D8: // Ø
    case 0x00F8:
        return u'o';
    case 0x0110: // Đ
    case 0x0111:
        return u'd';
    case 0x0131: // ı
        return u'i';
    default:
        return c;
    }
}

} // namespace

CPublisherList::CPublisherList(QWidget* parent) : QListWidget(parent) {}

QString CPublisherList::searchKey(const QString& text) {
    QString key;
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    key.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (c.category() != QChar::Mark_NonSpacing)
            key += plainLetter(c);
    }
    return key.toCaseFolded();
}

int CPublisherList::findFrom(int start, const QString& key) const {
    for (int i = 0; i < count(); ++i) {
        const int row = (start + i) % count();
        if (searchKey(item(row)->text()).startsWith(key))
            return row;
    }
    return -1;
}

void CPublisherList::keyboardSearch(const QString& search) {
    if (search.isEmpty() || count() == 0)
        return;
    if (!sinceLastKey_.isValid() || sinceLastKey_.elapsed() > QApplication::keyboardInputInterval())
        typed_.clear();
    sinceLastKey_.start();
    typed_ += search;

    // The same letter again steps on to the next name with it, as in any list.
    const QString letters = searchKey(typed_);
    const bool stepping = letters.size() > 1 && letters.count(letters.front()) == letters.size();
    const int current = qMax(currentRow(), 0);
    const int row = stepping ? findFrom(current + 1, letters.left(1)) : findFrom(current, letters);
    if (row >= 0) {
        setCurrentRow(row);
        return;
    }
    clearSelection();
    setCurrentRow(-1);
}

} // namespace kolekt
