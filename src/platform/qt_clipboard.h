#pragma once

#include "platform/clipboard.h"

// The desktop's clipboard.
class QtClipboard final : public Clipboard {
public:
    void SetText(const QString& text) override;
};
