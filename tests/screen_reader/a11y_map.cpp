// Prints the window's accessibility tree as Qt builds it, one line per node:
// the child-index path from the window, the objectName, the class, the role, the
// number of children, and where the control stands in the window (x,y,width,height at
// the window's own size).
// Qt 6.4 sends no objectName over AT-SPI, but the children of a node reach a screen
// reader in the same order as here, so the path finds a named control in the tree of
// the running program.

#include "app/accessibility.h"
#include "app/form.h"
#include "app/look.h"

#include <QAccessible>
#include <QApplication>
#include <QTextStream>

namespace {

void Walk(QAccessibleInterface* node, const QString& path, const QWidget* window,
          QTextStream& out) {
    const QObject* object = node->object();
    const auto* widget = qobject_cast<const QWidget*>(object);
    const QPoint at = widget ? widget->mapTo(window, QPoint(0, 0)) : QPoint();
    out << path << '\t' << (object ? object->objectName() : QString()) << '\t'
        << (object ? object->metaObject()->className() : "") << '\t' << int(node->role()) << '\t'
        << node->childCount() << '\t'
        << (widget ? QStringLiteral("%1,%2,%3,%4")
                         .arg(at.x())
                         .arg(at.y())
                         .arg(widget->width())
                         .arg(widget->height())
                   : QString())
        << '\n';
    for (int i = 0; i < node->childCount(); ++i) {
        if (QAccessibleInterface* child = node->child(i)) {
            Walk(child, path.isEmpty() ? QString::number(i) : path + '/' + QString::number(i),
                 window, out);
        }
    }
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    look::SetUpApplication();
    InstallAccessibility();
    TForm1 form;
    QTextStream out(stdout);
    Walk(QAccessible::queryAccessibleInterface(&form), QString(), &form, out);
    return 0;
}
