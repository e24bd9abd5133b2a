#include "data/MorvekDocument.h"

#include "base/AtomicFile.h"
#include "base/Text.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <cstring>
#include <new>
#include <sstream>

namespace vonu {

namespace {

namespace Tekst {
const char* const BestandNietGevonden = "Bestand niet gevonden.";
const char* const NietLeesbaar = "Bestand kan niet worden gelezen.";
const char* const GeenGeheugen = "Onvoldoende geheugen om het bestand te lezen.";
const char* const OnherkenbareTag = "Onherkenbare tag";
const char* const FoutDeclaratie = "Fout in verwerkingsinstructie of XML-declaratie";
const char* const FoutCommentaar = "Fout in commentaar";
const char* const FoutCdata = "Fout in CDATA-sectie";
const char* const FoutDoctype = "Fout in documenttype-declaratie";
const char* const FoutTekst = "Fout in tekst";
const char* const FoutBegintag = "Fout in begintag";
const char* const FoutAttribuut = "Fout in attribuut";
const char* const FoutEindtag = "Fout in eindtag";
const char* const EindtagPastNiet = "Eindtag past niet bij begintag";
const char* const GeenElement = "Geen XML-element gevonden";
const char* const OngeldigeXml = "Ongeldige XML";
const char* const OpRegel = "%1 op regel %2, kolom %3.";
const char* const TeGroot = "Het bestand is te groot (%1 MB); er wordt hoogstens %2 MB gelezen.";
const char* const TeVeelElementen = "Het bestand bevat te veel elementen; er worden er hoogstens %1 gelezen.";
const char* const MeerHoofdelementen = "Het bestand bevat meer dan één hoofdelement.";
const char* const VerkeerdHoofdelement = "Het hoofdelement is '%1' in plaats van 'Morvek'.";
const char* const OnbekendeTekenset = "Onbekende tekenset '%1' in de XML-declaratie.";
} // namespace Tekst

const char kDeclaration[] = "<?xml version=\"1.0\"?>";

// Whitespace-only text is kept only where it is an element's whole content
// (a field holding blanks), so indentation between elements costs nothing.
constexpr unsigned kParseOptions = pugi::parse_default | pugi::parse_ws_pcdata_single;

QString parseErrorText(pugi::xml_parse_status status)
{
    switch (status) {
    case pugi::status_file_not_found: return u8(Tekst::BestandNietGevonden);
    case pugi::status_io_error: return u8(Tekst::NietLeesbaar);
    case pugi::status_out_of_memory: return u8(Tekst::GeenGeheugen);
    case pugi::status_unrecognized_tag: return u8(Tekst::OnherkenbareTag);
    case pugi::status_bad_pi: return u8(Tekst::FoutDeclaratie);
    case pugi::status_bad_comment: return u8(Tekst::FoutCommentaar);
    case pugi::status_bad_cdata: return u8(Tekst::FoutCdata);
    case pugi::status_bad_doctype: return u8(Tekst::FoutDoctype);
    case pugi::status_bad_pcdata: return u8(Tekst::FoutTekst);
    case pugi::status_bad_start_element: return u8(Tekst::FoutBegintag);
    case pugi::status_bad_attribute: return u8(Tekst::FoutAttribuut);
    case pugi::status_bad_end_element: return u8(Tekst::FoutEindtag);
    case pugi::status_end_element_mismatch: return u8(Tekst::EindtagPastNiet);
    case pugi::status_no_document_element: return u8(Tekst::GeenElement);
    default: return u8(Tekst::OngeldigeXml);
    }
}

// "Fout in eindtag op regel 3, kolom 7." from the parse offset in text.
QString positionedError(pugi::xml_parse_status status, const char* text, size_t size, ptrdiff_t offset)
{
    size_t end = offset < 0 ? 0 : std::min(size, size_t(offset));
    int line = 1;
    size_t lineStart = 0;
    for (size_t i = 0; i < end; ++i) {
        if (text[i] == '\n') {
            ++line;
            lineStart = i + 1;
        }
    }
    return u8(Tekst::OpRegel)
        .arg(parseErrorText(status))
        .arg(line)
        .arg(end - lineStart + 1);
}

bool looksLikeUnicodeWithMark(const QByteArray& head)
{
    return head.startsWith("\xEF\xBB\xBF") || head.startsWith("\xFF\xFE") || head.startsWith("\xFE\xFF")
        || (head.size() >= 2 && (head[0] == '\0' || head[1] == '\0'));
}

bool isUtf8Name(const QByteArray& name)
{
    return name.isEmpty() || name == "utf-8" || name == "utf8";
}

// The character set to decode with, for a declared name that is not UTF-8.
// ISO-8859-1 files from Windows programs are windows-1252 in practice
// (the euro sign and typographic quotes live in 0x80-0x9F), and 1252 is a
// superset of every printable Latin-1 character.
QByteArray decoderName(const QByteArray& declared)
{
    if (declared == "iso-8859-1" || declared == "iso8859-1" || declared == "latin1" || declared == "latin-1"
        || declared == "l1" || declared == "iso_8859-1" || declared == "cp1252" || declared == "windows-1252")
        return "windows-1252";
    return declared;
}

// A refusal text when a file is beyond what any Morvek document needs (a
// full catalog is a few MB): a hostile or broken file must not take the
// program's memory with it. Each "<" may start a node, and nodes cost
// pugixml far more than their bytes.
QString beyondLimits(qint64 size, const char* data)
{
    if (size > MorvekDocument::MaxFileBytes)
        return u8(Tekst::TeGroot)
            .arg((size + (1 << 20) - 1) >> 20)
            .arg(MorvekDocument::MaxFileBytes >> 20);
    if (!data)
        return {};
    qint64 markup = 0;
    for (const char *p = data, *end = data + size; (p = static_cast<const char*>(std::memchr(p, '<', size_t(end - p))));
         ++p)
        if (++markup > MorvekDocument::MaxMarkup)
            return u8(Tekst::TeVeelElementen)
                .arg(MorvekDocument::MaxMarkup);
    return {};
}

} // namespace

QByteArray declaredEncoding(const QByteArray& head)
{
    if (!head.startsWith("<?xml"))
        return {};
    const qsizetype close = head.indexOf("?>");
    const QByteArray decl = close < 0 ? head : head.left(close);
    const qsizetype at = decl.indexOf("encoding");
    if (at < 0)
        return {};
    qsizetype i = at + 8;
    while (i < decl.size() && (decl[i] == ' ' || decl[i] == '\t' || decl[i] == '\r' || decl[i] == '\n'))
        ++i;
    if (i >= decl.size() || decl[i] != '=')
        return {};
    ++i;
    while (i < decl.size() && (decl[i] == ' ' || decl[i] == '\t' || decl[i] == '\r' || decl[i] == '\n'))
        ++i;
    if (i >= decl.size() || (decl[i] != '"' && decl[i] != '\''))
        return {};
    const char quote = decl[i];
    const qsizetype endQuote = decl.indexOf(quote, i + 1);
    if (endQuote < 0)
        return {};
    return decl.mid(i + 1, endQuote - i - 1).trimmed().toLower();
}

MorvekDocument::MorvekDocument() : doc_(std::make_unique<pugi::xml_document>()) {}
MorvekDocument::~MorvekDocument() = default;
MorvekDocument::MorvekDocument(MorvekDocument&&) noexcept = default;
MorvekDocument& MorvekDocument::operator=(MorvekDocument&&) noexcept = default;

MorvekDocument MorvekDocument::NewMorvek()
{
    MorvekDocument d;
    d.doc_->append_child("Morvek");
    return d;
}

bool MorvekDocument::isActive() const
{
    return doc_ && doc_->document_element();
}

void MorvekDocument::clear()
{
    doc_->reset();
}

bool MorvekDocument::fail(const QString& text)
{
    doc_->reset();
    error_ = text;
    return false;
}

TXMLMorvek MorvekDocument::GetMorvek() const
{
    return TXMLMorvek(doc_->document_element());
}

// Parses a buffer allocated with pugixml's allocator; pugixml takes it over
// whatever the outcome. The file's bytes are the tree's storage, so a
// loaded document needs little more than the file plus its nodes.
bool MorvekDocument::parseOwnedBuffer(void* buffer, size_t size, int encoding)
{
    doc_->reset();
    const pugi::xml_parse_result r =
        doc_->load_buffer_inplace_own(buffer, size, kParseOptions, pugi::xml_encoding(encoding));
    if (!r) {
        error_ = parseErrorText(r.status);
        lastStatus_ = int(r.status);
        lastOffset_ = r.offset;
        doc_->reset();
        return false;
    }
    // A well-formed Morvek document has exactly one root, named Morvek.
    int roots = 0;
    for (pugi::xml_node n : doc_->children())
        roots += n.type() == pugi::node_element;
    if (roots > 1)
        return fail(u8(Tekst::MeerHoofdelementen));
    const pugi::xml_node root = doc_->document_element();
    if (std::strcmp(root.name(), "Morvek") != 0)
        return fail(u8(Tekst::VerkeerdHoofdelement)
                        .arg(QString::fromUtf8(root.name())));
    error_.clear();
    return true;
}

bool MorvekDocument::loadBytes(QByteArray bytes)
{
    try {
        return loadBytesUnguarded(std::move(bytes));
    } catch (const std::bad_alloc&) {
        return fail(parseErrorText(pugi::status_out_of_memory));
    }
}

bool MorvekDocument::loadBytesUnguarded(QByteArray bytes)
{
    const QString tooMuch = beyondLimits(bytes.size(), bytes.constData());
    if (!tooMuch.isEmpty())
        return fail(tooMuch);
    const QByteArray declared = looksLikeUnicodeWithMark(bytes) ? QByteArray() : declaredEncoding(bytes.left(512));
    int encoding = pugi::encoding_auto;
    if (!looksLikeUnicodeWithMark(bytes) && !isUtf8Name(declared)) {
        const QByteArray name = decoderName(declared);
        QStringDecoder decoder(name.constData());
        if (!decoder.isValid())
            return fail(u8(Tekst::OnbekendeTekenset).arg(QString::fromLatin1(declared)));
        bytes = QString(decoder.decode(bytes)).toUtf8();
        encoding = pugi::encoding_utf8;
    }
    void* buffer = pugi::get_memory_allocation_function()(size_t(bytes.size()) + 1);
    if (!buffer)
        return fail(parseErrorText(pugi::status_out_of_memory));
    std::memcpy(buffer, bytes.constData(), size_t(bytes.size()));
    lastStatus_ = 0;
    if (parseOwnedBuffer(buffer, size_t(bytes.size()), encoding))
        return true;
    if (lastStatus_ != 0)
        error_ = positionedError(pugi::xml_parse_status(lastStatus_), bytes.constData(), size_t(bytes.size()),
                                  lastOffset_);
    return false;
}

bool MorvekDocument::loadText(const QString& xml)
{
    try {
        return loadTextUnguarded(xml);
    } catch (const std::bad_alloc&) {
        return fail(parseErrorText(pugi::status_out_of_memory));
    }
}

bool MorvekDocument::loadTextUnguarded(const QString& xml)
{
    // Text is already decoded: parse it as UTF-8 whatever its declaration says.
    const QByteArray utf8 = xml.toUtf8();
    const QString tooMuch = beyondLimits(utf8.size(), utf8.constData());
    if (!tooMuch.isEmpty())
        return fail(tooMuch);
    void* buffer = pugi::get_memory_allocation_function()(size_t(utf8.size()) + 1);
    if (!buffer)
        return fail(parseErrorText(pugi::status_out_of_memory));
    std::memcpy(buffer, utf8.constData(), size_t(utf8.size()));
    lastStatus_ = 0;
    if (parseOwnedBuffer(buffer, size_t(utf8.size()), pugi::encoding_utf8))
        return true;
    if (lastStatus_ != 0)
        error_ = positionedError(pugi::xml_parse_status(lastStatus_), utf8.constData(), size_t(utf8.size()),
                                  lastOffset_);
    return false;
}

bool MorvekDocument::loadFile(const QString& path)
{
    try {
        return loadFileUnguarded(path);
    } catch (const std::bad_alloc&) {
        return fail(parseErrorText(pugi::status_out_of_memory));
    }
}

bool MorvekDocument::loadFileUnguarded(const QString& path)
{
    fileName_ = path;
    QFile file(path);
    if (!file.exists())
        return fail(parseErrorText(pugi::status_file_not_found));
    if (!file.open(QIODevice::ReadOnly))
        return fail(parseErrorText(pugi::status_io_error));
    const qint64 size = file.size();
    const QString tooLarge = beyondLimits(size, nullptr);
    if (!tooLarge.isEmpty())
        return fail(tooLarge);
    const QByteArray head = file.peek(512);
    if (!looksLikeUnicodeWithMark(head) && !isUtf8Name(declaredEncoding(head)))
        return loadBytesUnguarded(file.readAll());  // needs transcoding first

    void* buffer = pugi::get_memory_allocation_function()(size_t(size) + 1);
    if (!buffer)
        return fail(parseErrorText(pugi::status_out_of_memory));
    if (file.read(static_cast<char*>(buffer), size) != size) {
        pugi::get_memory_deallocation_function()(buffer);
        return fail(parseErrorText(pugi::status_io_error));
    }
    const QString tooMuch = beyondLimits(size, static_cast<const char*>(buffer));
    if (!tooMuch.isEmpty()) {
        pugi::get_memory_deallocation_function()(buffer);
        return fail(tooMuch);
    }
    lastStatus_ = 0;
    if (parseOwnedBuffer(buffer, size_t(size), pugi::encoding_auto))
        return true;
    if (lastStatus_ != 0) {
        // The parse buffer is gone; read the start again to place the error.
        file.seek(0);
        const QByteArray start = file.read(std::max<qint64>(0, lastOffset_));
        error_ = positionedError(pugi::xml_parse_status(lastStatus_), start.constData(), size_t(start.size()),
                                  lastOffset_);
    }
    return false;
}

QString MorvekDocument::rootXml() const
{
    return GetMorvek().xml();
}

QByteArray MorvekDocument::toBytes() const
{
    std::ostringstream out;
    out << kDeclaration;
    if (const pugi::xml_node root = doc_->document_element())
        root.print(out, "", pugi::format_raw, pugi::encoding_utf8);
    return QByteArray::fromStdString(out.str());
}

bool MorvekDocument::save(const QString& path)
{
    if (!writeFileAtomically(path, toBytes(), &error_))
        return false;
    fileName_ = path;
    error_.clear();
    return true;
}

void TXMLMorvek::setSchemaAttributes()
{
    setXmlns_xsi(QStringLiteral("http://www.w3.org/2001/XMLSchema-instance"));
    setXsi_noNamespaceSchemaLocation(QStringLiteral("Morvek.xsd"));
}

} // namespace vonu
