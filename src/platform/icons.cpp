// Loading the SVG icon resources.
#include "platform/icons.h"

#include <QFile>
#include <QString>

// The resources sit in a static library; referencing their initialiser keeps them linked in.
static void InitIconResources() {
    Q_INIT_RESOURCE(tintora);
}

namespace {

QString IconPath(int id) {
    static const bool initialised = (InitIconResources(), true);
    (void)initialised;
    return QStringLiteral(":/icons/%1.svg").arg(id);
}

} // namespace

QIcon LoadIconResource(int id) {
    const QString path = IconPath(id);
    return QFile::exists(path) ? QIcon(path) : QIcon();
}

QPixmap IconPixmap(int id, int size, qreal devicePixelRatio) {
    return LoadIconResource(id).pixmap(QSize(size, size), devicePixelRatio);
}
