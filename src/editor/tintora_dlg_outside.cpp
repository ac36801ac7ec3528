// CTintoraDlg: palette files dropped on the window open as with Open.
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>

#include "editor/tintora_dlg.h"
#include "platform/qt_text.h"

namespace {

// The one local palette file dropped, empty for anything else: a drop of some other file
// would throw the palettes away for an error message.
QString DroppedPalette(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls() || data->urls().size() != 1) {
        return {};
    }
    const QString path = data->urls().front().toLocalFile();
    return QFileInfo(path).suffix().compare(QStringLiteral("pal"), Qt::CaseInsensitive) == 0
               ? path
               : QString();
}

} // namespace

void CTintoraDlg::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedPalette(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void CTintoraDlg::dropEvent(QDropEvent* event) {
    const QString path = DroppedPalette(event->mimeData());
    if (path.isEmpty()) {
        return;
    }
    event->acceptProposedAction();
    // The save question and the error boxes are modal: they run once the drop has finished,
    // so the program the file came from is not kept waiting.
    QTimer::singleShot(0, this, [this, path]() { OpenFromOutside(FromQString(path)); });
}
