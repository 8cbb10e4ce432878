// Prints the window's accessibility tree as Qt builds it, one line per node:
// the child-index path from the window, the objectName, the class, the role and the
// number of children.
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

void Walk(QAccessibleInterface* node, const QString& path, QTextStream& out) {
    const QObject* object = node->object();
    out << path << '\t' << (object ? object->objectName() : QString()) << '\t'
        << (object ? object->metaObject()->className() : "") << '\t' << int(node->role()) << '\t'
        << node->childCount() << '\n';
    for (int i = 0; i < node->childCount(); ++i) {
        if (QAccessibleInterface* child = node->child(i)) {
            Walk(child, path.isEmpty() ? QString::number(i) : path + '/' + QString::number(i), out);
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
    Walk(QAccessible::queryAccessibleInterface(&form), QString(), out);
    return 0;
}
