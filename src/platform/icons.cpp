// Loading the icon resources: the application icon from its PNG sizes, the others from SVG.
#include "platform/icons.h"

#include <array>

#include <QFile>
#include <QString>

#include "platform/deferred_icon.h"
#include "resources/resource.h"

// The resources sit in a static library; referencing their initialiser keeps them linked in.
static void InitIconResources() {
    Q_INIT_RESOURCE(tintora);
}

namespace {

// The sizes the desktop installs too; Qt scales the nearest larger one for other sizes.
constexpr std::array kApplicationIconSizes = {16, 32, 48, 64, 128, 256};

QString IconPath(int id) {
    static const bool initialised = (InitIconResources(), true);
    (void)initialised;
    return id == IDR_MAINFRAME ? QStringLiteral(":/icons/128/16.png")
                               : QStringLiteral(":/icons/%1.svg").arg(id);
}

QIcon ReadIcon(int id) {
    if (id != IDR_MAINFRAME) {
        return QIcon(IconPath(id));
    }
    QIcon icon;
    for (int size : kApplicationIconSizes) {
        icon.addFile(QStringLiteral(":/icons/128/%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

} // namespace

QIcon LoadIconResource(int id) {
    if (!QFile::exists(IconPath(id))) {
        return QIcon();
    }
    return DeferredIcon([id]() { return ReadIcon(id); });
}

QPixmap IconPixmap(int id, int size, qreal devicePixelRatio) {
    return LoadIconResource(id).pixmap(QSize(size, size), devicePixelRatio);
}
