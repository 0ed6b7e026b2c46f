// docs/designed_names.md lists every object name the program gives: of the
// main window and its menus, of every window of the shelf, of the edit menu
// of a number box and of the invalid-input message, in both languages.
#include <QApplication>
#include <QContextMenuEvent>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTimer>
#include <QtTest>
#include <set>

#include "ui/led_panel_view.h"
#include "ui/main_window.h"
#include "ui/window_shelf.h"

using namespace kalvane;

namespace {

// The names in backticks; "`Band1_F`…`Band4_F`" stands for the whole run.
std::set<QString> DocumentedNames() {
  QFile file(QStringLiteral(KALVANE_SOURCE_DIR "/docs/designed_names.md"));
  if (!file.open(QIODevice::ReadOnly))
    qFatal("cannot read %s", qPrintable(file.fileName()));
  static const QRegularExpression kName(QStringLiteral("`([^`]+)`(?:…`([^`]+)`)?"));
  std::set<QString> names;
  for (auto it = kName.globalMatch(QString::fromUtf8(file.readAll())); it.hasNext();) {
    const QRegularExpressionMatch match = it.next();
    const QString first = match.captured(1), last = match.captured(2);
    names.insert(first);
    if (last.size() != first.size())
      continue;
    qsizetype at = 0;
    while (at < first.size() && first[at] == last[at])
      ++at;
    if (at == first.size())
      continue;
    for (char16_t c = first[at].unicode(); c <= last[at].unicode(); ++c) {
      QString name = first;
      name[at] = QChar(c);
      names.insert(name);
    }
  }
  return names;
}

// The names `root` and everything under it carry, Qt's own (qt_..., _layout)
// left out.
void CollectNames(QObject* root, std::set<QString>& names) {
  QList<QObject*> objects = root->findChildren<QObject*>();
  objects << root;
  for (const QObject* o : objects) {
    const QString name = o->objectName();
    if (!name.isEmpty() && !name.startsWith(QLatin1String("qt_")) && !name.startsWith('_'))
      names.insert(name);
  }
}

// Collects the names of the popup or modal window `open` shows, then closes it.
void CollectShown(const std::function<void()>& open, std::set<QString>& names) {
  QTimer::singleShot(0, [&names] {
    QWidget* shown = QApplication::activePopupWidget();
    if (!shown)
      shown = QApplication::activeModalWidget();
    if (!shown)
      return;
    CollectNames(shown, names);
    shown->close();
  });
  open();
}

}  // namespace

class DesignedNamesTest : public QObject {
  Q_OBJECT

 private slots:
  void everyObjectNameIsDocumented() {
    std::set<QString> names;
    for (Language language : {Language::Persian, Language::English}) {
      MainWindow main;
      if (language == Language::English)
        main.OnSwitchToEnglish();
      for (const ShelfWindow& window : WindowShelf())
        main.Window(*window.item);
      CollectNames(&main, names);
      auto* box = main.findChild<QLineEdit*>(QStringLiteral("Vtdc"));
      CollectShown(
          [box] {
            QContextMenuEvent event(QContextMenuEvent::Mouse, {5, 5},
                                    box->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(box, &event);
          },
          names);
      box->clear();
      CollectShown([&main] { main.PanelView().OnCalculate(); }, names);
    }
    QVERIFY(names.count(QStringLiteral("EditMenu")) &&
            names.count(QStringLiteral("ProgErrorMessage")));
    const std::set<QString> documented = DocumentedNames();
    int missing = 0;
    for (const QString& name : names) {
      if (!documented.count(name)) {
        qWarning("not in docs/designed_names.md: %s", qPrintable(name));
        ++missing;
      }
    }
    QCOMPARE(missing, 0);
  }
};

QTEST_MAIN(DesignedNamesTest)
#include "designed_names_test.moc"
