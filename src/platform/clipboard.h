#pragma once

#include <QString>

// The clipboard as the worksheet window uses it: plain text replaces the clipboard's text.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void setText(const QString& text) = 0;
};
