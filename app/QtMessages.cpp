#include "QtMessages.h"

#include <QString>
#include <QtGlobal>

namespace rp {

namespace {
QtMessageHandler qtHandler = nullptr;

void onQtMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if ((type == QtCriticalMsg || type == QtFatalMsg) && qtHandler) qtHandler(type, context, text);
}
}  // namespace

void quietQtMessages() {
    if (qEnvironmentVariableIsSet("QT_LOGGING_RULES")) return;
    qtHandler = qInstallMessageHandler(onQtMessage);
}

}  // namespace rp
