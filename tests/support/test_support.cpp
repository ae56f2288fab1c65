#include "support/test_support.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTabWidget>

namespace lumtar::test {

BoxRecorder::BoxRecorder() {
    SetBoxHandler([this](const ShownBox& box) {
        boxes.push_back(box);
        if (onBox) onBox(box);
    });
}

BoxRecorder::~BoxRecorder() {
    SetBoxHandler(nullptr);
}

QStringList BoxRecorder::texts() const {
    QStringList out;
    for (const auto& b : boxes) out << b.text;
    return out;
}

AppOptions TestOptions(const QTemporaryDir& dir, const Release& release) {
    AppOptions options;
    options.release = &release;
    options.files = SettingsFiles::inFolder(dir.path());
    options.siteUrl = QStringLiteral("http://127.0.0.1:9");
    return options;
}

MainWindowFixture::MainWindowFixture(const Release& release, bool show)
    : form(std::make_unique<TForm1>(TestOptions(dir, release))) {
    if (show) {
        form->show();
        form->activateWindow();
        if (!QTest::qWaitForWindowExposed(form.get())) qWarning("main window not exposed");
    }
}

MainWindowFixture::~MainWindowFixture() = default;

void MainWindowFixture::selectPage(const QString& caption) {
    QTabWidget* tabs = form->pages();
    for (int i = 0; i < tabs->count(); ++i)
        if (tabs->tabText(i) == caption) tabs->setCurrentIndex(i);
}

void MainWindowFixture::typeAmount(const QString& text) {
    auto* field = find<QLineEdit>("edtBd");
    field->setFocus();
    QTest::keyClicks(field, text);
}

void WriteGbkFile(const QString& path, const QString& text) {
    QStringEncoder encoder("GBK");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) qFatal("cannot write %s", qPrintable(path));
    file.write(encoder.encode(text));
}

QString SaveScreenshot(QWidget* widget, const QString& name) {
    const QString folder = qEnvironmentVariable("LUMTAR_SCREENSHOT_DIR");
    if (folder.isEmpty()) return {};
    QDir().mkpath(folder);
    const QString path = folder + QLatin1Char('/') + name + QStringLiteral(".png");
    widget->grab().save(path);
    return path;
}

}  // namespace lumtar::test
