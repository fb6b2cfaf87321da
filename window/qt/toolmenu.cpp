#include "window/qt/toolmenu.h"

#include "window/tools.h"

#include <QMenu>

#include <vector>

namespace hueprev {

void addToolMenu(QMenu &menu, const std::function<void(std::size_t)> &chosen,
                 const std::function<bool(std::size_t)> &enabled)
{
    struct Open
    {
        QMenu *menu;
        bool anyEnabled;
    };
    std::vector<Open> open{{&menu, false}};
    for (const tools::Entry &entry : tools::entries(tools::Surface::Desktop)) {
        const QString label = QString::fromStdString(entry.label);
        switch (entry.kind) {
        case tools::Kind::Item: {
            const bool on = enabled(entry.tool);
            open.back()
                .menu->addAction(label, &menu, [chosen, index = entry.tool] { chosen(index); })
                ->setEnabled(on);
            open.back().anyEnabled = open.back().anyEnabled || on;
            break;
        }
        case tools::Kind::Submenu:
            open.push_back({open.back().menu->addMenu(label), false});
            break;
        case tools::Kind::End:
            open.back().menu->setEnabled(open.back().anyEnabled);
            open.pop_back();
            break;
        case tools::Kind::Separator:
            open.back().menu->addSeparator();
            break;
        }
    }
}

} // namespace hueprev
