#pragma once
// Qt's PDF writer stamps each file with the time it was written and embeds the fonts in an order
// that changes from run to run (it keeps them in a hash table), so the same pages would give
// different bytes every time. These two helpers make the bytes depend on the pages alone.

#include <QByteArray>

namespace abacore {

// While it lives, new hash tables use Qt's fixed seed, so a PDF written meanwhile embeds its
// fonts in the same order, under the same subset tags ("QAAAAA+..."), in every run.
class FixedHashOrder {
public:
    FixedHashOrder();
    ~FixedHashOrder();
    FixedHashOrder(const FixedHashOrder&) = delete;
    FixedHashOrder& operator=(const FixedHashOrder&) = delete;

private:
    bool m_wasFixed;
};

// The PDF without the creation and modification dates of its document information, its
// cross-reference table moved to match. Bytes it does not recognise as Qt's come back unchanged.
QByteArray WithoutDates(const QByteArray& pdf);

} // namespace abacore
