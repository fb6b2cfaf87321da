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
            open.back()
                ->addAction(label, &menu, [chosen, index = entry.tool] { chosen(index); })
                ->setData(QVariant::fromValue(entry.tool));
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

bool enableToolMenu(QMenu &menu, const std::function<bool(std::size_t)> &enabled)
{
    bool any = false;
    for (QAction *action : menu.actions()) {
        bool on = false;
        if (QMenu *submenu = action->menu()) {
            on = enableToolMenu(*submenu, enabled);
        } else if (action->data().isValid()) {
            on = enabled(action->data().value<std::size_t>());
        } else {
            continue; // a separator, or one of the input's own items
        }
        action->setEnabled(on);
        any = any || on;
    }
    return any;
}

} // namespace hueprev
