#include "store/XmlDocument.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <cerrno>
#include <cstring>
#include <iconv.h>
#include <string>

namespace {

// Collects pugixml's output into a byte array.
class ByteArrayWriter final : public pugi::xml_writer
{
public:
    explicit ByteArrayWriter(QByteArray &out) : m_out(out) {}
    void write(const void *data, size_t size) override
    {
        m_out.append(static_cast<const char *>(data), qsizetype(size));
    }

private:
    QByteArray &m_out;
};

bool startsWith(const QByteArray &bytes, std::initializer_list<unsigned char> prefix)
{
    if (bytes.size() < qsizetype(prefix.size()))
        return false;
    qsizetype i = 0;
    for (unsigned char c : prefix) {
        if (static_cast<unsigned char>(bytes[i++]) != c)
            return false;
    }
    return true;
}

// Text wider than one byte per character (UTF-16/32, with or without a
// byte-order mark) is left to pugixml, which recognises it by itself.
bool isWideEncoding(const QByteArray &bytes)
{
    if (startsWith(bytes, {0xFE, 0xFF}) || startsWith(bytes, {0xFF, 0xFE}))
        return true;
    // "<" or "<?" of UTF-16/32 without a mark: a zero among the first bytes.
    return bytes.size() >= 2 && (bytes[0] == '\0' || bytes[1] == '\0');
}

// The encoding named by the XML declaration of single-byte text, or empty.
QByteArray declaredEncoding(const QByteArray &bytes)
{
    if (!bytes.startsWith("<?xml"))
        return {};
    const qsizetype end = bytes.indexOf("?>");
    if (end < 0 || end > 512)
        return {};
    static const QRegularExpression pattern(
        QStringLiteral("\\bencoding\\s*=\\s*[\"']([A-Za-z0-9._:\\-]+)[\"']"));
    const auto match = pattern.match(QString::fromLatin1(bytes.left(end)));
    return match.hasMatch() ? match.captured(1).toLatin1() : QByteArray();
}

bool isUtf8Name(const QByteArray &name)
{
    const QByteArray lower = name.toLower();
    return lower == "utf-8" || lower == "utf8";
}

// Converts the whole buffer to UTF-8 with the C library's iconv.
bool convertToUtf8(const QByteArray &in, const QByteArray &encoding, QByteArray &out,
                   QString &error)
{
    iconv_t cd = iconv_open("UTF-8", encoding.constData());
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        error = QCoreApplication::translate("XmlDocument", "unsupported encoding \"%1\"")
                    .arg(QString::fromLatin1(encoding));
        return false;
    }
    // A single-byte code page grows at most fourfold in UTF-8.
    out.resize(in.size() * 4 + 16);
    char *src = const_cast<char *>(in.constData());
    size_t srcLeft = size_t(in.size());
    char *dst = out.data();
    size_t dstLeft = size_t(out.size());
    bool ok = true;
    while (srcLeft > 0) {
        if (iconv(cd, &src, &srcLeft, &dst, &dstLeft) == size_t(-1)) {
            if (errno == E2BIG) {
                const qsizetype used = dst - out.data();
                out.resize(out.size() * 2);
                dst = out.data() + used;
                dstLeft = size_t(out.size() - used);
                continue;
            }
            error =
                QCoreApplication::translate("XmlDocument", "the text is not valid %1 at byte %2")
                    .arg(QString::fromLatin1(encoding))
                    .arg(qsizetype(src - in.constData()));
            ok = false;
            break;
        }
    }
    iconv_close(cd);
    if (ok)
        out.resize(dst - out.data());
    return ok;
}

// The offset of the first byte that does not belong to well-formed UTF-8
// (no overlong forms, no surrogates, nothing above U+10FFFF), or -1.
qsizetype invalidUtf8Offset(const QByteArray &text)
{
    const auto *b = reinterpret_cast<const unsigned char *>(text.constData());
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        // Mostly ASCII: skip eight such bytes at a time.
        if (i + 8 <= n) {
            quint64 word;
            std::memcpy(&word, b + i, sizeof word);
            if ((word & 0x8080808080808080ULL) == 0) {
                i += 8;
                continue;
            }
        }
        const unsigned char c = b[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        int length = 0;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (c >= 0xC2 && c <= 0xDF) {
            length = 2;
        } else if (c >= 0xE0 && c <= 0xEF) {
            length = 3;
            if (c == 0xE0)
                low = 0xA0;
            else if (c == 0xED)
                high = 0x9F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            length = 4;
            if (c == 0xF0)
                low = 0x90;
            else if (c == 0xF4)
                high = 0x8F;
        } else {
            return i;
        }
        if (i + length > n || b[i + 1] < low || b[i + 1] > high)
            return i;
        for (int k = 2; k < length; ++k) {
            if (b[i + k] < 0x80 || b[i + k] > 0xBF)
                return i;
        }
        i += length;
    }
    return -1;
}

} // namespace

XmlDocument::XmlDocument(const XmlDocument &other) : m_error(other.m_error)
{
    m_doc.reset(other.m_doc);
}

XmlDocument &XmlDocument::operator=(const XmlDocument &other)
{
    if (this != &other) {
        m_doc.reset(other.m_doc);
        m_error = other.m_error;
    }
    return *this;
}

pugi::xml_node XmlDocument::root() const
{
    return m_doc.document_element();
}

pugi::xml_node XmlDocument::addRoot(const char *name)
{
    if (root())
        return {};
    return m_doc.append_child(name);
}

void XmlDocument::clear()
{
    m_doc.reset();
    m_error.clear();
}

bool XmlDocument::parse(const QByteArray &bytes)
{
    m_doc.reset();
    m_error.clear();

    QByteArray text;
    pugi::xml_encoding encoding = pugi::encoding_utf8;
    bool declared = true;
    if (isWideEncoding(bytes)) {
        text = bytes;
        encoding = pugi::encoding_auto;
    } else if (startsWith(bytes, {0xEF, 0xBB, 0xBF})) {
        text = bytes.mid(3);
    } else {
        const QByteArray name = declaredEncoding(bytes);
        declared = !name.isEmpty();
        if (name.isEmpty() || isUtf8Name(name)) {
            text = bytes;
        } else if (name.toLower().startsWith("utf-16") || name.toLower().startsWith("utf-32")) {
            // Single-byte text cannot be what it claims; read it as UTF-8.
            text = bytes;
        } else if (!convertToUtf8(bytes, name, text, m_error)) {
            return false;
        }
    }

    // The parser copies bytes that are not UTF-8 as they are; read back they
    // turn into replacement characters, which the next save would write for
    // good. Text in some other encoding that does not say so is refused.
    if (encoding == pugi::encoding_utf8) {
        const qsizetype bad = invalidUtf8Offset(text);
        if (bad >= 0) {
            m_error = declared ? QCoreApplication::translate(
                                     "XmlDocument", "the text is not valid UTF-8 at byte %1")
                                     .arg(bad)
                               : QCoreApplication::translate("XmlDocument",
                                                             "the text is not valid UTF-8 at byte "
                                                             "%1 and declares no other encoding")
                                     .arg(bad);
            return false;
        }
    }

    // Well-formed XML starts with markup; without this check pugixml would
    // skip stray text in front of the first element.
    if (encoding == pugi::encoding_utf8) {
        qsizetype i = 0;
        while (i < text.size() &&
               (text[i] == ' ' || text[i] == '\t' || text[i] == '\r' || text[i] == '\n'))
            ++i;
        if (i >= text.size()) {
            m_error = QCoreApplication::translate("XmlDocument", "no XML document element");
            return false;
        }
        if (text[i] != '<') {
            m_error = QCoreApplication::translate("XmlDocument",
                                                  "text before the document element at byte %1")
                          .arg(i);
            return false;
        }
    }

    const pugi::xml_parse_result result =
        m_doc.load_buffer(text.constData(), size_t(text.size()), pugi::parse_default, encoding);
    if (!result) {
        m_error = QStringLiteral("%1 at byte %2")
                      .arg(QString::fromUtf8(result.description()))
                      .arg(qlonglong(result.offset));
        m_doc.reset();
        return false;
    }
    int elements = 0;
    for (pugi::xml_node child = m_doc.first_child(); child; child = child.next_sibling()) {
        if (child.type() == pugi::node_element)
            ++elements;
    }
    if (elements != 1) {
        m_error =
            elements == 0
                ? QCoreApplication::translate("XmlDocument", "no XML document element")
                : QCoreApplication::translate("XmlDocument", "more than one document element");
        m_doc.reset();
        return false;
    }
    return true;
}

QByteArray XmlDocument::serialize() const
{
    QByteArray out;
    ByteArrayWriter writer(out);
    m_doc.save(writer, "", pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf8);
    return out;
}

QString attributeText(const pugi::xml_node &node, const char *name)
{
    return QString::fromUtf8(node.attribute(name).value());
}

bool hasAttribute(const pugi::xml_node &node, const char *name)
{
    return !node.attribute(name).empty();
}

void setAttributeText(pugi::xml_node node, const char *name, const QString &value)
{
    pugi::xml_attribute attribute = node.attribute(name);
    if (!attribute)
        attribute = node.append_attribute(name);
    attribute.set_value(value.toUtf8().constData());
}
