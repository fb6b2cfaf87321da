#include "window/qt/menubuilder.h"

#include <QMenu>

#include <utility>
#include <vector>

namespace hueprev {

namespace {
class QtMenuBuilder final : public menus::Builder
{
public:
    QtMenuBuilder(QMenu &menu, std::function<void(menus::Command)> chosen)
        : open_{&menu}, chosen_(std::move(chosen))
    {}

    void item(const menus::Entry &entry) override
    {
        QString label = QString::fromStdString(entry.label);
        if (!entry.shortcut.empty()) {
            label += QLatin1Char('\t') + QString::fromStdString(entry.shortcut);
        }
        QAction *action = open_.back()->addAction(label);
        action->setEnabled(entry.enabled);
        QObject::connect(action, &QAction::triggered, open_.front(),
                         [chosen = chosen_, command = entry.command] { chosen(command); });
    }
    void submenu(const menus::Entry &entry) override
    {
        auto *submenu = new QMenu(QString::fromStdString(entry.label), open_.back());
        submenu->setEnabled(entry.enabled);
        open_.back()->addMenu(submenu);
        open_.push_back(submenu);
    }
    void end() override { open_.pop_back(); }
    void separator(const menus::Entry & /*entry*/) override { open_.back()->addSeparator(); }

private:
    std::vector<QMenu *> open_;
    std::function<void(menus::Command)> chosen_;
};
} // namespace

void fillMenu(QMenu &menu, std::span<const menus::Entry> entries,
              const std::function<void(menus::Command)> &chosen)
{
    // A submenu is a child of its menu, which clear() leaves behind.
    qDeleteAll(menu.findChildren<QMenu *>(QString(), Qt::FindDirectChildrenOnly));
    menu.clear();
    QtMenuBuilder builder(menu, chosen);
    menus::build(entries, builder);
}

} // namespace hueprev
