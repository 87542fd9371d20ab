#include "platform/Host.h"

#include <algorithm>

namespace Host {

double pageScale(QSizeF page, QSize content) {
    if (content.isEmpty()) {
        return 1.0;
    }
    return std::max(1.0,
                    std::min(page.width() / content.width(), page.height() / content.height()));
}

} // namespace Host
