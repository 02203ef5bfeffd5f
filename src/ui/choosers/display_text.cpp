// SPDX-License-Identifier: MIT
#include "ui/choosers/display_text.h"

#include <QStringDecoder>

namespace nickbridge::ui {

QString displayText(const std::string& bytes) {
    const QByteArrayView view(bytes.data(), static_cast<qsizetype>(bytes.size()));
    // Stateless: a name cut off inside a character is an error, not a character still to come.
    QStringDecoder decoder(QStringDecoder::System, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(view);
    if (!decoder.hasError()) return text;
    return QString::fromLatin1(view);
}

}  // namespace nickbridge::ui
