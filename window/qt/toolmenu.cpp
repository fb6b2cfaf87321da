#include "window/qt/toolmenu.h"

#include "window/tools.h"

#include <QMenu>

#include <vector>

namespace hueprev {

void addToolMenu(QMenu &menu, const std::function<void(std::size_t)> &chosen)
{
    std::vector<QMenu *> open{&menu};
    for (const tools::Entry &entry : tools::entries(tools::Surface::Desktop)) {
        const QString label = QString::fromStdString(entry.label);
        switch (entry.kind) {
        case tools::Kind::Item:
            open.back()->addAction(label, &menu, [chosen, index = entry.tool] { chosen(index); });
            break;
        case tools::Kind::Submenu:
            open.push_back(open.back()->addMenu(label));
            break;
        case tools::Kind::End:
            open.pop_back();
            break;
        case tools::Kind::Separator:
            open.back()->addSeparator();
            break;
        }
    }
}

} // namespace hueprev
