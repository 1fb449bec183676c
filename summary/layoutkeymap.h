#pragma once

#include "keyboard/keynames.h"

#include <QString>

#include <memory>

struct xkb_context;
struct xkb_keymap;
struct xkb_compose_table;

// The keyboard map of one XKB layout ("us", "de", "fr"), compiled from the
// system's keyboard data, with the table of dead-key and compose sequences.
// Compiling takes a while: an owner keeps one per layout it needs.
class LayoutKeymap
{
public:
    explicit LayoutKeymap(const QString &layout);
    ~LayoutKeymap();
    LayoutKeymap(const LayoutKeymap &) = delete;
    LayoutKeymap &operator=(const LayoutKeymap &) = delete;

    const QString &layout() const { return layout_; }
    // False when the keyboard data has no such layout (or is not installed).
    bool isValid() const { return keymap_ != nullptr; }

    xkb_keymap *keymap() const { return keymap_.get(); }
    // Null where no compose table was found: dead keys then type nothing.
    xkb_compose_table *composeTable() const { return compose_.get(); }

private:
    struct Free {
        void operator()(xkb_context *p) const;
        void operator()(xkb_keymap *p) const;
        void operator()(xkb_compose_table *p) const;
    };
    QString layout_;
    std::unique_ptr<xkb_context, Free> context_;
    std::unique_ptr<xkb_keymap, Free> keymap_;
    std::unique_ptr<xkb_compose_table, Free> compose_;
};

// The XKB layout whose characters match a key-name table (English: "us").
QString xkbLayoutForNameTable(NameTable table);
