#include "ui/document_bridge.h"

#include "document/page_setup.h"
#include "ui/picture_loader.h"

#include <QAbstractTextDocumentLayout>
#include <QBrush>
#include <QColor>
#include <QCryptographicHash>
#include <QFont>
#include <QGuiApplication>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>
#include <QUrl>

#include <cmath>
#include <optional>
#include <utility>

// A document keeps each picture's model beside its image, so the bytes it came with go back out.
Q_DECLARE_METATYPE(std::shared_ptr<const abacore::Picture>)

namespace abacore {

namespace {

// Qt measures tab positions and the page in pixels of the screen's logical resolution (it scales
// them by the paint device's resolution against this one when it lays out on a printer).
constexpr double kPointsPerInch = 72;

double DocumentDpi() {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        return std::round(screen->logicalDotsPerInchY());
    return 96;
}

// The resource that holds a picture's model, under a name made from its image's name.
constexpr int kPictureResource = QTextDocument::UserResource + 1;

QUrl PictureResourceUrl(const QString& imageName) {
    return QUrl(QStringLiteral("abacore-picture-file:") + imageName);
}

// Inserts the picture with the text format `text` (its font, for the line it stands in).
void InsertPictureAs(QTextCursor& cursor, const std::shared_ptr<const Picture>& picture,
                     const QImage& decoded, const QTextCharFormat& text) {
    if (!picture)
        return;
    QTextDocument* document = cursor.document();
    const QByteArray bytes = QByteArray::fromRawData(picture->bytes.data(),
                                                     static_cast<qsizetype>(picture->bytes.size()));
    // Named after its content: the same picture twice shares one image.
    const QString name =
        QStringLiteral("abacore-picture:") +
        QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex());
    const QImage image = decoded.isNull() ? QImage::fromData(bytes) : decoded;
    document->addResource(QTextDocument::ImageResource, QUrl(name), image);
    document->addResource(kPictureResource, PictureResourceUrl(name), QVariant::fromValue(picture));
    QTextImageFormat format;
    format.merge(text);
    format.setName(name);
    const double dpi = DocumentDpi();
    format.setWidth(picture->widthTwips * dpi / PageSetup::kTwipsPerInch);
    format.setHeight(picture->heightTwips * dpi / PageSetup::kTwipsPerInch);
    cursor.insertImage(format);
}

// The picture of an image in a document: its own model when it went in through the bridge,
// otherwise made from the image the document shows (pasted from elsewhere).
std::shared_ptr<const Picture> PictureOf(const QTextDocument& document,
                                         const QTextImageFormat& format) {
    const double dpi = DocumentDpi();
    const auto twips = [dpi](double pixels) {
        return static_cast<int>(std::lround(pixels * PageSetup::kTwipsPerInch / dpi));
    };
    const QVariant model = document.resource(kPictureResource, PictureResourceUrl(format.name()));
    if (model.canConvert<std::shared_ptr<const Picture>>()) {
        auto picture = model.value<std::shared_ptr<const Picture>>();
        if (picture && (format.width() <= 0 || format.height() <= 0 ||
                        (twips(format.width()) == picture->widthTwips &&
                         twips(format.height()) == picture->heightTwips)))
            return picture;
        if (picture) { // the same image at another size
            auto resized = std::make_shared<Picture>(*picture);
            resized->widthTwips = twips(format.width());
            resized->heightTwips = twips(format.height());
            return resized;
        }
    }
    const QImage image =
        document.resource(QTextDocument::ImageResource, QUrl(format.name())).value<QImage>();
    if (image.isNull())
        return nullptr;
    int width = format.width() > 0 ? twips(format.width()) : 0;
    int height = format.height() > 0 ? twips(format.height()) : 0;
    // One side given: the other keeps the image's shape.
    if (width > 0 && height <= 0)
        height = static_cast<int>(
            std::lround(static_cast<double>(width) * image.height() / image.width()));
    else if (height > 0 && width <= 0)
        width = static_cast<int>(
            std::lround(static_cast<double>(height) * image.width() / image.height()));
    return PictureFromImage(image, width, height);
}

} // namespace

QTextCharFormat QtCharFormat(const CharFormat& f) {
    QTextCharFormat q;
    q.setFontFamilies(QStringList{QString::fromStdString(f.fontName)});
    q.setFontPointSize(f.fontSize);
    q.setFontWeight(f.bold ? QFont::Bold : QFont::Normal);
    q.setFontItalic(f.italic);
    q.setFontUnderline(f.underline);
    q.setForeground(QColor(f.color.r, f.color.g, f.color.b));
    return q;
}

namespace {

// Converting a format costs more than inserting a run; a document uses only a handful.
class FormatCache {
public:
    const QTextCharFormat& get(const CharFormat& f) {
        for (const auto& entry : m_entries)
            if (entry.first == f)
                return entry.second;
        m_entries.emplace_back(f, QtCharFormat(f));
        return m_entries.back().second;
    }

private:
    std::vector<std::pair<CharFormat, QTextCharFormat>> m_entries;
};

Qt::Alignment ToQt(Alignment a) {
    switch (a) {
    case Alignment::Centre:
        return Qt::AlignHCenter;
    case Alignment::Right:
        return Qt::AlignRight;
    case Alignment::Left:
        break;
    }
    return Qt::AlignLeft;
}

Alignment FromQt(Qt::Alignment a) {
    if (a & Qt::AlignHCenter)
        return Alignment::Centre;
    if (a & Qt::AlignRight)
        return Alignment::Right;
    return Alignment::Left; // left, and justified, which the model does not have
}

// Reads a format as the document shows it: what the format leaves unset comes from the
// document's default font, and text without a colour of its own is black.
CharFormat FromQt(const QTextCharFormat& q, const QFont& defaults) {
    CharFormat f;
    QStringList families = q.fontFamilies().toStringList();
    if (families.isEmpty()) // formats made through the older single-family property
        families = QStringList{q.property(QTextFormat::FontFamily).toString()};
    if (families.first().isEmpty())
        families =
            defaults.families().isEmpty() ? QStringList{defaults.family()} : defaults.families();
    f.fontName = families.first().toStdString();
    f.fontSize =
        q.hasProperty(QTextFormat::FontPointSize) ? q.fontPointSize() : defaults.pointSizeF();
    const int weight = q.hasProperty(QTextFormat::FontWeight) ? q.fontWeight() : defaults.weight();
    f.bold = weight >= QFont::DemiBold;
    f.italic = q.hasProperty(QTextFormat::FontItalic) ? q.fontItalic() : defaults.italic();
    if (q.hasProperty(QTextFormat::TextUnderlineStyle))
        f.underline = q.underlineStyle() != QTextCharFormat::NoUnderline;
    else
        f.underline =
            q.hasProperty(QTextFormat::FontUnderline) ? q.fontUnderline() : defaults.underline();
    const QBrush brush = q.foreground();
    if (brush.style() != Qt::NoBrush) {
        const QColor c = brush.color().toRgb();
        f.color = Rgb{static_cast<uint8_t>(c.red()), static_cast<uint8_t>(c.green()),
                      static_cast<uint8_t>(c.blue())};
    }
    return f;
}

// Replaces the contents of `target`; `pageSize` is set (when given) before the text goes in, as
// a document with a layout is laid out again on every change of its settings.
void Fill(const Document& source, QTextDocument& target, std::optional<QSizeF> pageSize) {
    const bool undo = target.isUndoRedoEnabled();
    target.setUndoRedoEnabled(false); // the filled document is where editing starts
    target.clear();
    target.setProperty(kFooterProperty, QString::fromStdString(source.footer()));
    target.setDefaultFont(QtDocumentFont());
    if (pageSize)
        target.setPageSize(*pageSize);

    const QList<QTextOption::Tab> tabs = QtTabs(source.tabStops());

    FormatCache formats;
    QTextCursor cursor(&target);
    cursor.beginEditBlock();
    bool first = true;
    for (const Paragraph& p : source.paragraphs()) {
        const QTextBlockFormat block = QtBlockFormat(p, tabs);
        // The block's own character format is its paragraph mark: it gives an empty line its
        // height.
        const QTextCharFormat& mark = formats.get(p.endFormat);
        if (first) {
            cursor.setBlockFormat(block);
            cursor.setBlockCharFormat(mark);
            first = false;
        } else {
            cursor.insertBlock(block, mark);
        }
        for (const Run& r : p.runs) {
            if (r.picture)
                InsertPictureAs(cursor, r.picture, QImage(), formats.get(r.format));
            if (!r.text.empty())
                cursor.insertText(QString::fromStdString(r.text), formats.get(r.format));
        }
    }
    cursor.endEditBlock();
    target.setUndoRedoEnabled(undo);
    target.setModified(false);
}

} // namespace

QFont QtDocumentFont() {
    return QFont(QStringLiteral("Times New Roman"), 12);
}

QList<QTextOption::Tab> QtTabs(const std::vector<int>& twips) {
    const double dpi = DocumentDpi();
    QList<QTextOption::Tab> tabs;
    for (int stop : twips)
        tabs.append(QTextOption::Tab(stop * dpi / PageSetup::kTwipsPerInch, QTextOption::LeftTab));
    return tabs;
}

QTextBlockFormat QtBlockFormat(const Paragraph& p, const QList<QTextOption::Tab>& tabs) {
    QTextBlockFormat block;
    block.setAlignment(ToQt(p.alignment));
    block.setTabPositions(tabs);
    if (p.keepWithNext)
        block.setProperty(kKeepWithNextProperty, true);
    if (p.pageBreakBefore)
        block.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    if (p.lineHeight > 0)
        block.setLineHeight(p.lineHeight * DocumentDpi() / kPointsPerInch,
                            QTextBlockFormat::FixedHeight);
    return block;
}

void FillTextDocument(const Document& source, QTextDocument& target, Paper paper) {
    const double dpi = DocumentDpi();
    const PageSetup::Page& page = PageSetup::PageOf(paper);
    Fill(source, target, QSizeF(page.textWidthInches() * dpi, page.textHeightInches() * dpi));
}

void FillLaidOutDocument(const Document& source, QTextDocument& target) {
    Fill(source, target, std::nullopt);
}

void InsertPicture(QTextCursor& cursor, const std::shared_ptr<const Picture>& picture,
                   const QImage& image) {
    cursor.clearSelection();
    QTextCharFormat text = cursor.charFormat();
    // Next to another picture the cursor's format is that picture's: keep only the font.
    if (text.isImageFormat()) {
        text.clearProperty(QTextFormat::ImageName);
        text.clearProperty(QTextFormat::ImageWidth);
        text.clearProperty(QTextFormat::ImageHeight);
        text.clearProperty(QTextFormat::ObjectType);
    }
    InsertPictureAs(cursor, picture, image, text);
}

Document ReadTextDocument(const QTextDocument& source) {
    const QFont defaults = source.defaultFont();
    const double dpi = DocumentDpi();
    std::vector<Paragraph> paragraphs;
    std::vector<int> tabStops;
    bool haveTabs = false;
    for (QTextBlock block = source.begin(); block.isValid(); block = block.next()) {
        const QTextBlockFormat blockFormat = block.blockFormat();
        if (!haveTabs) {
            // The model keeps one set of tab stops; the first paragraph's stand for all.
            for (const QTextOption::Tab& tab : blockFormat.tabPositions())
                tabStops.push_back(
                    static_cast<int>(std::lround(tab.position * PageSetup::kTwipsPerInch / dpi)));
            haveTabs = true;
        }
        Paragraph p;
        p.alignment = FromQt(blockFormat.alignment());
        p.keepWithNext = blockFormat.boolProperty(kKeepWithNextProperty);
        p.pageBreakBefore = blockFormat.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore;
        if (blockFormat.lineHeightType() == QTextBlockFormat::FixedHeight) {
            // In twentieths of a point, as the RTF holds it, so a round trip keeps the value.
            p.lineHeight = std::round(blockFormat.lineHeight() * kPointsPerInch / dpi * 20) / 20;
        }
        p.endFormat = FromQt(block.charFormat(), defaults);
        auto append = [&](const CharFormat& format, std::string text) {
            if (!p.runs.empty() && !p.runs.back().picture && p.runs.back().format == format)
                p.runs.back().text += text;
            else
                p.runs.push_back(Run{format, std::move(text)});
        };
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid())
                continue;
            const CharFormat format = FromQt(fragment.charFormat(), defaults);
            const QString text = fragment.text();
            if (fragment.charFormat().isImageFormat()) {
                // Images side by side in one format make one fragment, a character each.
                const auto picture = PictureOf(source, fragment.charFormat().toImageFormat());
                if (picture)
                    for (qsizetype i = 0; i < text.size(); ++i)
                        p.runs.push_back(Run{format, std::string(), picture});
                continue;
            }
            // A line break typed with Shift+Enter starts a paragraph in the model, which keeps
            // line breaks as paragraphs; embedded objects have no text to carry.
            qsizetype start = 0;
            for (qsizetype i = 0; i <= text.size(); ++i) {
                const bool end = i == text.size();
                const QChar c = end ? QChar() : text[i];
                if (!end && c != QChar::LineSeparator && c != QChar::ObjectReplacementCharacter)
                    continue;
                if (i > start)
                    append(format, text.mid(start, i - start).toStdString());
                if (c == QChar::LineSeparator) {
                    Paragraph next;
                    next.alignment = p.alignment;
                    next.lineHeight = p.lineHeight;
                    next.endFormat = p.endFormat;
                    p.endFormat = format;
                    paragraphs.push_back(std::move(p));
                    p = std::move(next);
                }
                start = i + 1;
            }
        }
        paragraphs.push_back(std::move(p));
    }
    Document document;
    document.setTabStops(std::move(tabStops));
    document.setParagraphs(std::move(paragraphs));
    document.setFooter(source.property(kFooterProperty).toString().toStdString());
    return document;
}

std::optional<Document> ExactModel(const QTextDocument& source) {
    // What a format leaves unset comes from the document's font; laid out from the model, it is
    // QtDocumentFont's.
    if (source.defaultFont() != QtDocumentFont())
        return std::nullopt;
    Document model = ReadTextDocument(source);
    const QList<QTextOption::Tab> tabs = QtTabs(model.tabStops());
    const QFont defaults = source.defaultFont();
    // A format is the model's when making it again from what the model reads of it gives it back
    // (a list's or a table's paragraphs have formats of their own).
    const auto kept = [&](const QTextCharFormat& format) {
        return QtCharFormat(FromQt(format, defaults)) == format;
    };
    auto paragraph = model.paragraphs().begin();
    for (QTextBlock block = source.begin(); block.isValid(); block = block.next(), ++paragraph) {
        if (paragraph == model.paragraphs().end() ||
            block.blockFormat() != QtBlockFormat(*paragraph, tabs) || !kept(block.charFormat()))
            return std::nullopt;
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!kept(fragment.charFormat()) || fragment.text().contains(QChar::LineSeparator) ||
                fragment.text().contains(QChar::ObjectReplacementCharacter))
                return std::nullopt;
        }
    }
    return model;
}

} // namespace abacore
