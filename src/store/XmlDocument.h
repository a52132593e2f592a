#pragma once

#include <QByteArray>
#include <QString>

#include <pugixml.hpp>

// An XML document of the data files: an element tree whose text nodes that
// hold only white space are dropped on parsing. Elements are handed out as
// pugi::xml_node, a light handle that is null for "no element".
class XmlDocument
{
public:
    XmlDocument() = default;
    XmlDocument(const XmlDocument &other);
    XmlDocument &operator=(const XmlDocument &other);

    // The document element, or a null node.
    pugi::xml_node root() const;
    // Adds the root element to a document that has none; returns it (null if
    // the document already has a root).
    pugi::xml_node addRoot(const char *name);
    bool isEmpty() const { return !root(); }
    void clear();

    // Replaces the content with the parsed bytes. The encoding is taken from a
    // byte-order mark or the declaration (UTF-8 when neither says); text read
    // as UTF-8 that is not valid UTF-8 is refused. On failure the document is
    // left empty and errorText() says why.
    bool parse(const QByteArray &bytes);
    // The plain element tree: no declaration, no indentation, UTF-8.
    QByteArray serialize() const;
    QString errorText() const { return m_error; }

    pugi::xml_document &doc() { return m_doc; }
    const pugi::xml_document &doc() const { return m_doc; }

private:
    pugi::xml_document m_doc;
    QString m_error;
};

// Helpers for the Qt side: attribute text and element name as QString.
QString attributeText(const pugi::xml_node &node, const char *name);
bool hasAttribute(const pugi::xml_node &node, const char *name);
void setAttributeText(pugi::xml_node node, const char *name, const QString &value);
