#include "framework/Controls.h"

#include "framework/Text.h"

namespace fw {

void ComboBox::AddString(const std::string& text) const {
    Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ToUtf16(text).c_str()));
}

}  // namespace fw
