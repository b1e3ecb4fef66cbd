#include "worksheet/screens/selection_format.h"

#include <QFont>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

namespace abacore {

namespace {

// Calls `visit` with the format of every stretch of text inside the selection (or with the
// typing format when nothing is selected); stops when `visit` returns false.
void ForEachSelectedFormat(const QTextCursor& cursor,
                           const std::function<bool(const QTextCharFormat&)>& visit) {
    if (!cursor.hasSelection()) {
        visit(cursor.charFormat());
        return;
    }
    const QTextDocument* document = cursor.document();
    const int start = cursor.selectionStart();
    const int end = cursor.selectionEnd();
    bool any = false;
    for (QTextBlock block = document->findBlock(start); block.isValid() && block.position() < end;
         block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.position() + fragment.length() <= start || fragment.position() >= end)
                continue;
            any = true;
            if (!visit(fragment.charFormat()))
                return;
        }
    }
    // Only paragraph breaks selected: they carry no characters of their own.
    if (!any)
        visit(cursor.charFormat());
}

// The one value `get` gives for the whole selection, or nothing when it varies.
template <typename T>
std::optional<T> UniformValue(const QTextCursor& cursor,
                              const std::function<T(const QTextCharFormat&)>& get) {
    std::optional<T> value;
    bool mixed = false;
    ForEachSelectedFormat(cursor, [&](const QTextCharFormat& format) {
        const T v = get(format);
        if (value && *value != v) {
            mixed = true;
            return false;
        }
        value = v;
        return true;
    });
    if (mixed)
        return std::nullopt;
    return value;
}

} // namespace

bool IsBold(const QTextCharFormat& format) {
    return format.fontWeight() >= QFont::DemiBold;
}

bool WholeSelectionHas(const QTextCursor& cursor,
                       const std::function<bool(const QTextCharFormat&)>& has) {
    bool all = true;
    ForEachSelectedFormat(cursor, [&](const QTextCharFormat& format) {
        all = has(format);
        return all;
    });
    return all;
}

std::optional<QString> SelectionFontName(const QTextCursor& cursor) {
    const QString fallback = cursor.document()->defaultFont().family();
    return UniformValue<QString>(cursor, [&](const QTextCharFormat& format) {
        // fontFamily() is not safe on a format without a family.
        const QStringList families = format.fontFamilies().toStringList();
        return families.isEmpty() ? fallback : families.first();
    });
}

std::optional<double> SelectionFontSize(const QTextCursor& cursor) {
    const double fallback = cursor.document()->defaultFont().pointSizeF();
    return UniformValue<double>(cursor, [&](const QTextCharFormat& format) {
        const double size = format.fontPointSize();
        return size > 0 ? size : fallback;
    });
}

std::optional<QColor> SelectionColour(const QTextCursor& cursor) {
    // Compared as plain RGB, so the same colour made in two ways counts as one.
    const auto rgb = UniformValue<QRgb>(cursor, [](const QTextCharFormat& format) {
        const QBrush brush = format.foreground();
        return brush.style() == Qt::NoBrush ? qRgb(0, 0, 0) : brush.color().rgb();
    });
    if (!rgb)
        return std::nullopt;
    return QColor(*rgb);
}

} // namespace abacore
