#pragma once

#include "platform/message_box.h"

namespace tarvon {

class QtMessageBox final : public MessageBox {
public:
    void show(const std::string& text, const std::string& detail) override;
    using MessageBox::show;
};

} // namespace tarvon
