#include "KyPageFactory.h"

#include <QHash>
#include <QWidget>

namespace {
QHash<QString, KyPageFactory::Creator>& creators()
{
    static QHash<QString, KyPageFactory::Creator> table;
    return table;
}
}

void KyPageFactory::registerPage(const QString& className, Creator creator)
{
    creators().insert(className, std::move(creator));
}

bool KyPageFactory::hasPage(const QString& className)
{
    return creators().contains(className);
}

QWidget* KyPageFactory::create(const QString& className, int arg)
{
    const auto it = creators().constFind(className);
    if (it != creators().constEnd() && *it)
        return (*it)(arg);
    fprintf(stderr, "no page registered for %s\n", qPrintable(className));
    auto* page = new QWidget();
    page->setObjectName(className);
    return page;
}
