#include "data/XMLNode.h"

#include <QList>
#include <sstream>

namespace vonu {

namespace {

QString fromUtf8(const char* text)
{
    return QString::fromUtf8(text);
}

bool allowedInXml(char32_t c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD)
        || (c >= 0x10000 && c <= 0x10FFFF);
}

// Characters XML 1.0 cannot hold (control characters pasted into a field,
// broken surrogate pairs) are dropped, so every written file reads back.
QByteArray xmlUtf8(const QString& value)
{
    bool clean = true;
    for (QChar ch : value) {
        const char16_t c = ch.unicode();
        if ((c < 0x20 && c != 0x9 && c != 0xA && c != 0xD) || c >= 0xD800) {
            clean = false;
            break;
        }
    }
    if (clean)
        return value.toUtf8();
    QString kept;
    kept.reserve(value.size());
    for (const uint u : value.toUcs4()) {
        const char32_t c = u;
        if (allowedInXml(c))
            kept.append(QString::fromUcs4(&c, 1));
    }
    return kept.toUtf8();
}

} // namespace

QString TXMLNode::tagName() const
{
    return fromUtf8(node_.name());
}

QString TXMLNode::xml() const
{
    if (!node_)
        return {};
    std::ostringstream out;
    node_.print(out, "", pugi::format_raw, pugi::encoding_utf8);
    return QString::fromStdString(out.str());
}

QString TXMLNode::attribute(const char* name) const
{
    return fromUtf8(node_.attribute(name).value());
}

void TXMLNode::setAttribute(const char* name, const QString& value)
{
    if (!node_)
        return;
    pugi::xml_attribute a = node_.attribute(name);
    if (!a)
        a = node_.append_attribute(name);
    a.set_value(xmlUtf8(value).constData());
}

QString TXMLNode::field(const char* name) const
{
    // child_value: the first text child, or "" when absent.
    return fromUtf8(node_.child_value(name));
}

void TXMLNode::setField(const char* name, const QString& value)
{
    if (!node_)
        return;
    pugi::xml_node f = node_.child(name);
    if (!f)
        f = node_.append_child(name);
    f.text().set(xmlUtf8(value).constData());
}

pugi::xml_node TXMLNode::section(const char* name) const
{
    if (!node_)
        return {};
    pugi::xml_node s = node_.child(name);
    if (!s)
        s = pugi::xml_node(node_).append_child(name);
    return s;
}

int TXMLNodeCollection::Count() const
{
    int n = 0;
    for (pugi::xml_node i = firstItem(); i; i = i.next_sibling(itemTag_))
        ++n;
    return n;
}

pugi::xml_node TXMLNodeCollection::firstItem() const
{
    return container().child(itemTag_);
}

pugi::xml_node TXMLNodeCollection::itemNode(int index) const
{
    if (index < 0)
        return {};
    pugi::xml_node i = firstItem();
    while (i && index-- > 0)
        i = i.next_sibling(itemTag_);
    return i;
}

pugi::xml_node TXMLNodeCollection::ensureContainer()
{
    if (!parent_)
        return {};
    pugi::xml_node c = parent_.child(containerTag_);
    if (!c)
        c = parent_.append_child(containerTag_);
    return c;
}

pugi::xml_node TXMLNodeCollection::addNode()
{
    pugi::xml_node c = ensureContainer();
    return c ? c.append_child(itemTag_) : pugi::xml_node();
}

pugi::xml_node TXMLNodeCollection::insertNode(int index)
{
    pugi::xml_node c = ensureContainer();
    if (!c)
        return {};
    const pugi::xml_node before = itemNode(index < 0 ? 0 : index);
    return before ? c.insert_child_before(itemTag_, before) : c.append_child(itemTag_);
}

} // namespace vonu
