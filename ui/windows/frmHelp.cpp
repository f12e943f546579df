#include "Words.h"
#include "frmHelp.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QKeyEvent>
#include <QTextBrowser>

#include "AssetNames.h"
#include "ImageButton.h"
#include "Version.h"
#include "Layout.h"
#include "WindowFonts.h"

namespace rp {

namespace {

constexpr size::Box HelpWindow{7965, 7545};
constexpr size::Rect HelpText{195, 945, 7575, 5880};
constexpr size::Rect HelpDone{3210, 7005, 1545, 375};

bool underline(const QString& line, QChar c) {
    const QString t = line.trimmed();
    return t.size() >= 3 && t.count(c) == t.size();
}

// Lines that line up in columns (lists, the key table) keep their breaks.
bool laidOut(const QString& line) {
    const QString t = line.trimmed();
    return line.startsWith(u' ') || t.startsWith(u'*') || t.startsWith(u'|') ||
           (t.size() > 1 && t[0].isDigit() && t[1] == u'.');
}

}  // namespace

QString frmHelp::toHtml(const QString& plain) {
    const QStringList lines = QString(plain).remove(u'\r').split(u'\n');
    QString html;
    QStringList block;
    bool keepBreaks = false;
    auto flush = [&] {
        if (block.isEmpty()) return;
        if (keepBreaks)
            html += QStringLiteral("<pre style=\"white-space: pre-wrap\">") + block.join(u'\n') +
                    QStringLiteral("</pre>");
        else
            html += QStringLiteral("<p>") + block.join(u' ') + QStringLiteral("</p>");
        block.clear();
        keepBreaks = false;
    };
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        const bool heading = i + 1 < lines.size() && !line.trimmed().isEmpty() &&
                             (underline(lines[i + 1], u'=') || underline(lines[i + 1], u'-'));
        if (heading) {
            flush();
            const char* tag = underline(lines[i + 1], u'=') ? "h1" : "h2";
            html += QStringLiteral("<%1>%2</%1>").arg(QLatin1String(tag), line.trimmed().toHtmlEscaped());
            ++i;
        } else if (line.trimmed().isEmpty()) {
            flush();
        } else {
            keepBreaks = keepBreaks || laidOut(line);
            block << line.toHtmlEscaped();
        }
    }
    flush();
    return html;
}

frmHelp::frmHelp(Windows& windows) : Window(windows, Name, HelpWindow, Placement::OnMainWindow) {
    say([this] { setWindowTitle(translate("Help", "Real Pentaro Help")); });
    // Beside the pictures' folder, as the game finds everything it shows.
    helpFile = QFileInfo(pictures().folder()).absolutePath() + u'/' + qstr(assets::HelpFile);

    txtHelp = new QTextBrowser(this);
    txtHelp->setObjectName(QStringLiteral("txtHelp"));
    say([this] { txtHelp->setAccessibleName(translate("Help", "Help")); });
    placeTwips(*txtHelp, HelpText.left, HelpText.top, HelpText.box());
    txtHelp->setFont(serifFont(11));
    txtHelp->setOpenLinks(false);
    txtHelp->setStyleSheet(QStringLiteral(
        "QTextBrowser { background: rgb(250, 244, 226); color: rgb(20, 20, 60);"
        " border: 1px solid rgb(90, 70, 40); padding: 6px; }"));
    txtHelp->document()->setDefaultStyleSheet(QStringLiteral(
        "h1 { color: rgb(120, 30, 20); font-size: x-large; } h2 { color: rgb(0, 0, 128); font-size: large; }"
        " pre { font-family: monospace; font-size: small; }"));

    imgDoneButton = new ImageButton(pictures(), sound(), translate("Help", "Done"), this);
    imgDoneButton->setObjectName(QStringLiteral("imgDoneButton"));
    placeTwips(*imgDoneButton, HelpDone.left, HelpDone.top, HelpDone.box());
    imgDoneButton->setKeyboardFocusable(true);
    say([this] {
        imgDoneButton->setCommandWord(translate("Help", "Done"));
        imgDoneButton->setToolTip(translate("Help", "Back to the game (Escape)"));
    });
    imgDoneButton->setAction([this] { imgDoneButton_MouseUp(); });
}

void frmHelp::Form_Load() {
    setBackground("bgnd.jpg");
    imgDoneButton->setPictures("doneup.jpg", "donedn.jpg");
}

void frmHelp::showEvent(QShowEvent* event) {
    Window::showEvent(event);
    loadText();
    txtHelp->setFocus(Qt::OtherFocusReason);
}

void frmHelp::retranslate() {
    if (isVisible()) loadText();
}

void frmHelp::loadText() {
    // The game's language has its own help when readme.<code>.txt is there
    // (readme.de.txt, readme.pt_BR.txt); English otherwise.
    const QString folder = QFileInfo(helpFile).absolutePath() + u'/';
    const QString locale = QLocale().name(), base = locale.section(u'_', 0, 0);
    QString chosen = helpFile;
    for (const QString& code : {locale, base}) {
        const QString candidate = folder + QStringLiteral("readme.%1.txt").arg(code);
        if (base != QLatin1String("en") && QFileInfo(candidate).isFile()) {
            chosen = candidate;
            break;
        }
    }
    QFile file(chosen);
    if (file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        // Which release this is, below the help, where an About window would say it.
        txtHelp->setHtml(toHtml(QString::fromUtf8(file.readAll())) + QStringLiteral("<hr><p>") +
                         translate("Help", "Real Pentaro, version %1").arg(QStringLiteral(RP_VERSION)).toHtmlEscaped() +
                         QStringLiteral("</p>"));
    } else {
        txtHelp->setHtml(translate("Help", "<h1>Real Pentaro Help</h1><p>The help file cannot be read: %1</p>")
                             .arg(QDir::toNativeSeparators(chosen).toHtmlEscaped()));
    }
}

void frmHelp::imgDoneButton_MouseUp() { windows().hide(Name); }

void frmHelp::closeRequested() {
    if (isVisible()) imgDoneButton_MouseUp();
}

void frmHelp::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Escape) {
        Window::keyPressEvent(event);
        return;
    }
    event->accept();
    if (!event->isAutoRepeat()) closeRequested();
}

}  // namespace rp
