#pragma once

#include "platform/clipboard.h"

// The desktop's clipboard.
class QtClipboard final : public Clipboard {
public:
    void setText(const QString& text) override;
};
