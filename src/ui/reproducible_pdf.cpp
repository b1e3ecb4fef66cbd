#include "ui/reproducible_pdf.h"

#include <QHashSeed>
#include <algorithm>
#include <cstring>
#include <vector>

namespace abacore {

FixedHashOrder::FixedHashOrder() : m_wasFixed(QHashSeed::globalSeed() == 0) {
    QHashSeed::setDeterministicGlobalSeed();
}

FixedHashOrder::~FixedHashOrder() {
    // Tables made meanwhile keep their seed; later ones are salted again, as before.
    if (!m_wasFixed)
        QHashSeed::resetRandomGlobalSeed();
}

namespace {

struct Cut {
    qsizetype at;
    qsizetype length;
};

// Where `offset` of the original ends up once the cuts before it are taken out.
qsizetype Moved(qsizetype offset, const std::vector<Cut>& cuts) {
    for (const Cut& cut : cuts)
        if (cut.at < offset)
            offset -= cut.length;
    return offset;
}

// The whole number written from `at` on, or -1 when there is none.
qsizetype NumberAt(const QByteArray& bytes, qsizetype at, qsizetype* end = nullptr) {
    qsizetype i = at;
    while (i < bytes.size() && bytes[i] >= '0' && bytes[i] <= '9')
        ++i;
    if (end)
        *end = i;
    bool ok = false;
    const qsizetype value = bytes.mid(at, i - at).toLongLong(&ok);
    return ok ? value : -1;
}

// Qt writes one classic table: "xref\n0 N\n" and N entries of 20 bytes, "0000012345 00000 n \n".
// Each entry in use is moved; afterwards each must point at the start of its object.
bool MoveCrossReferences(QByteArray& out, const std::vector<Cut>& cuts) {
    const qsizetype keyword = out.lastIndexOf("startxref");
    if (keyword < 0)
        return false;
    qsizetype numberAt = keyword + 9;
    while (numberAt < out.size() && (out[numberAt] == '\n' || out[numberAt] == '\r'))
        ++numberAt;
    qsizetype numberEnd = 0;
    const qsizetype oldTable = NumberAt(out, numberAt, &numberEnd);
    if (oldTable < 0)
        return false;
    const qsizetype table = Moved(oldTable, cuts);
    if (out.mid(table, 7) != "xref\n0 ")
        return false;
    qsizetype entry = 0;
    const qsizetype count = NumberAt(out, table + 7, &entry);
    if (count <= 0 || entry >= out.size() || out[entry] != '\n')
        return false;
    ++entry;
    constexpr qsizetype kEntrySize = 20;
    if (entry + count * kEntrySize > keyword)
        return false;
    for (qsizetype object = 0; object < count; ++object, entry += kEntrySize) {
        if (out.mid(entry + 17, 3) == "f \n")
            continue;
        if (out.mid(entry + 10, 10) != " 00000 n \n")
            return false;
        const qsizetype moved = Moved(NumberAt(out, entry), cuts);
        out.replace(entry, 10, QByteArray::number(moved).rightJustified(10, '0'));
        const QByteArray start = QByteArray::number(object) + " 0 obj";
        if (out.mid(NumberAt(out, entry), start.size()) != start)
            return false;
    }
    out.replace(numberAt, numberEnd - numberAt, QByteArray::number(table));
    return true;
}

} // namespace

QByteArray WithoutDates(const QByteArray& pdf) {
    // The document information is the first object Qt writes, so nothing before it moves.
    const qsizetype infoEnd = pdf.indexOf("endobj");
    if (!pdf.startsWith("%PDF-") || infoEnd < 0)
        return pdf;
    std::vector<Cut> cuts;
    for (const char* key : {"\n/CreationDate (", "\n/ModDate ("}) {
        const qsizetype at = pdf.indexOf(key);
        if (at < 0 || at > infoEnd)
            continue;
        const qsizetype close = pdf.indexOf(')', at + static_cast<qsizetype>(std::strlen(key)));
        if (close < 0 || close > infoEnd)
            return pdf;
        cuts.push_back({at, close + 1 - at});
    }
    if (cuts.empty())
        return pdf;
    std::sort(cuts.begin(), cuts.end(), [](const Cut& a, const Cut& b) { return a.at < b.at; });
    QByteArray out = pdf;
    for (auto cut = cuts.rbegin(); cut != cuts.rend(); ++cut)
        out.remove(cut->at, cut->length);
    return MoveCrossReferences(out, cuts) ? out : pdf;
}

} // namespace abacore
