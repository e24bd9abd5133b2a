#pragma once
// Generic handles over a pugixml tree. A handle is a cheap value (one or
// two node pointers) that stays valid as long as the document it points
// into; copying it never copies XML. All values cross as QString (the tree
// stores UTF-8).
//
// Reading never changes the tree: an absent attribute or field element
// reads as an empty text, an absent container as zero items. A container
// element is created when its first item is added, so a writer that adds
// nothing writes no container.

#include <QString>
#include <pugixml.hpp>

namespace vonu {

class TXMLNode {
public:
    TXMLNode() = default;
    explicit TXMLNode(pugi::xml_node node) : node_(node) {}

    // True when the element does not exist (an item past the end, a
    // section of a document that was never loaded, ...).
    bool isNull() const { return !node_; }
    pugi::xml_node node() const { return node_; }
    QString tagName() const;
    // The element and everything below it as XML text, without indentation.
    QString xml() const;

    friend bool operator==(const TXMLNode& a, const TXMLNode& b) { return a.node_ == b.node_; }

protected:
    QString attribute(const char* name) const;
    void setAttribute(const char* name, const QString& value);
    QString field(const char* name) const;
    void setField(const char* name, const QString& value);
    // A child element that other classes treat as a section: created on
    // access when absent (and when this element exists).
    pugi::xml_node section(const char* name) const;

    pugi::xml_node node_;
};

// A container element (`Artikelen`, `Orderregels`, ...) seen from its
// parent. The container element itself may be absent until the first Add.
class TXMLNodeCollection {
public:
    TXMLNodeCollection(pugi::xml_node parent, const char* containerTag, const char* itemTag)
        : parent_(parent), containerTag_(containerTag), itemTag_(itemTag) {}

    // Counting and indexed access walk the items (O(n)); loop over large
    // containers with range-for instead of Item(i).
    int Count() const;
    bool isEmpty() const { return !firstItem(); }
    pugi::xml_node container() const { return parent_ ? parent_.child(containerTag_) : pugi::xml_node(); }
    const char* itemTag() const { return itemTag_; }

protected:
    pugi::xml_node firstItem() const;
    pugi::xml_node itemNode(int index) const;
    pugi::xml_node addNode();
    // Inserts before the item at index; an index at or past the end appends.
    pugi::xml_node insertNode(int index);

private:
    pugi::xml_node ensureContainer();

    pugi::xml_node parent_;
    const char* containerTag_;
    const char* itemTag_;
};

// Typed container: items come back as T.
template <class T>
class TXMLCollectionOf : public TXMLNodeCollection {
public:
    using TXMLNodeCollection::TXMLNodeCollection;

    T Item(int index) const { return T(itemNode(index)); }
    T Add() { return T(addNode()); }
    T Insert(int index) { return T(insertNode(index)); }

    class iterator {
    public:
        iterator(pugi::xml_node n, const char* tag) : n_(n), tag_(tag) {}
        T operator*() const { return T(n_); }
        iterator& operator++() { n_ = n_.next_sibling(tag_); return *this; }
        bool operator!=(const iterator& o) const { return n_ != o.n_; }
        bool operator==(const iterator& o) const { return n_ == o.n_; }
    private:
        pugi::xml_node n_;
        const char* tag_;
    };
    iterator begin() const { return iterator(firstItem(), itemTag()); }
    iterator end() const { return iterator(pugi::xml_node(), itemTag()); }
};

} // namespace vonu
