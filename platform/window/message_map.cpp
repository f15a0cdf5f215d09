#include "platform/window/message_map.h"

namespace velinor {

const MessageMap* CCmdTarget::GetMessageMap() const {
    static const MessageMap root{};
    return &root;
}

bool CCmdTarget::OnCmdMsg(const Message& message) {
    for (const MessageMap* map = GetMessageMap(); map != nullptr; map = map->base) {
        for (const MessageEntry& entry : map->entries) {
            if (entry.message != message.message) continue;
            if (message.message == WM_COMMAND && entry.id != message.id) continue;
            entry.invoke(*this, message);
            return true;
        }
    }
    return false;
}

}  // namespace velinor
