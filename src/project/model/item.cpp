#include "project/model/item.h"

#include <QtEndian>

void writeItemRecord(QByteArray &out, const TItem &item)
{
    for (const QString &text : item.Params) {
        const QByteArray bytes = text.toUtf8();
        char length[4];
        qToLittleEndian<qint32>(static_cast<qint32>(bytes.size()), length);
        out.append(length, 4);
        out.append(bytes);
    }
}

bool readItemRecord(const QByteArray &data, qsizetype &pos, TItem &item)
{
    qsizetype at = pos;
    TItem read;
    for (QString &text : read.Params) {
        if (data.size() - at < 4)
            return false;
        const qint32 length = qFromLittleEndian<qint32>(data.constData() + at);
        at += 4;
        if (length < 0 || length > data.size() - at)
            return false;
        text = QString::fromUtf8(data.constData() + at, length);
        at += length;
    }
    item = std::move(read);
    pos = at;
    return true;
}
