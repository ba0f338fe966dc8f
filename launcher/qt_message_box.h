#pragma once

#include "platform/message_box.h"

namespace tarvon {

class QtMessageBox final : public MessageBox {
public:
    enum class Kind { Failure, Notice };
    explicit QtMessageBox(Kind kind = Kind::Failure) : kind_(kind) {}

    void show(const std::string& text, const std::string& detail) override;
    using MessageBox::show;

private:
    Kind kind_;
};

} // namespace tarvon
