// A back end's resume token as the journal hands it back: its fields and
// numbers, and the line written again from them.
#include "FuzzSupport.h"

#include "backends/ResumeToken.h"

#include <QStringList>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    FuzzSupport::startApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(FuzzSupport::bytesOf(data, size));
    // The keys the back ends write, and a short one.
    static const QStringList keys = {
        QStringLiteral("p"),       QStringLiteral("pid"),   QStringLiteral("iface"),
        QStringLiteral("entry"),   QStringLiteral("since"), QStringLiteral("active"),
        QStringLiteral("profile"), QStringLiteral("rx"),    QStringLiteral("tx"),
        QStringLiteral("rxp"),     QStringLiteral("txp")};
    for (const QString &kind : {QStringLiteral("pppd"), QStringLiteral("p")}) {
        const std::optional<ResumeToken> token = ResumeToken::parse(text, kind, 1);
        if (!token)
            continue;
        ResumeToken again(kind, 1);
        for (const QString &key : keys) {
            if (!token->contains(key))
                continue;
            const QString value = token->value(key);
            // A number is the whole value.
            if (const std::optional<qint64> number = token->number(key))
                FUZZ_CHECK(value.toLongLong() == *number && !value.contains(QChar::Null) &&
                           !value.contains(QLatin1Char(' ')));
            FUZZ_CHECK(again.insert(key, value));
        }
        // Written again, it is one line that reads back the same.
        const QString line = again.text();
        FUZZ_CHECK(!line.contains(QLatin1Char('\n')) && !line.contains(QChar::Null));
        const std::optional<ResumeToken> reread = ResumeToken::parse(line, kind, 1);
        FUZZ_CHECK(reread.has_value());
        for (const QString &key : keys)
            FUZZ_CHECK(reread->value(key) == token->value(key));
    }
    return 0;
}
