#include "support/DatabaseFixture.h"

#include "support/DemoFiles.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QSqlRecord>

namespace vonu::test {

void DatabaseFixture::SetUp()
{
    const QString why = PgTestDatabase::unavailableReason();
    if (!why.isEmpty())
        GTEST_SKIP() << why.toStdString();
    db = std::make_unique<PgTestDatabase>();
    ASSERT_TRUE(db->ok()) << db->error().toStdString();
}

ConnectionSettings DatabaseFixture::settings() const
{
    return ConnectionSettings{QStringLiteral("1"), PgTestDatabase::server(), db->name()};
}

bool DatabaseFixture::openSession(const QString& user)
{
    session = std::make_unique<DbSession>(fake.messages);
    return session->open(user, settings());
}

int DatabaseFixture::count(const QString& sql, const QVariantList& params) const
{
    return db->scalar(sql, params).toInt();
}

int DatabaseFixture::sessionRows(const QString& user) const
{
    return count(QStringLiteral("select count(*) from APC_Tabel where \"user\" = ? and record = 'VonuOrder' "
                                "and \"table\" is null"),
                 {user});
}

int DatabaseFixture::lockRows(const QString& user) const
{
    return count(QStringLiteral("select count(*) from APC_Tabel where \"user\" = ? and \"table\" = 'VonuOrder'"),
                 {user});
}

QStringList DatabaseFixture::rows(const QString& sql, const QVariantList& params) const
{
    QSqlQuery q(db->admin());
    q.prepare(sql);
    for (const QVariant& p : params)
        q.addBindValue(p);
    EXPECT_TRUE(q.exec()) << sql.toStdString();
    QStringList out;
    while (q.next()) {
        QStringList cols;
        for (int i = 0; i < q.record().count(); ++i)
            cols << (q.value(i).isNull() ? QStringLiteral("null") : q.value(i).toString());
        out << cols.join(QLatin1Char('|'));
    }
    return out;
}

QString DatabaseFixture::deskFolder(const QString& user, const QByteArray& morvekIni)
{
    const QString work = db->workingFolder(user);
    QFile ini(QDir(work).filePath(QStringLiteral("Morvek.Ini")));
    EXPECT_TRUE(ini.open(QIODevice::WriteOnly)) << ini.fileName().toStdString();
    EXPECT_EQ(ini.write(morvekIni), morvekIni.size());
    ini.close();
    EXPECT_TRUE(QDir(work).mkpath(QStringLiteral("../Orders")));
    EXPECT_TRUE(placeDemoCatalog(QDir(work).filePath(QStringLiteral("../Assortiment.Xml"))));
    return work;
}

void DatabaseFixture::expectNoMessageShown() const
{
    if (!session)
        return;
    EXPECT_EQ(messages.count(), 0) << (messages.count() ? messages.last().lines.join('|').toStdString() : "");
}

void SessionFixture::SetUp()
{
    DatabaseFixture::SetUp();
    if (IsSkipped() || HasFatalFailure())
        return;
    ASSERT_TRUE(openSession());
}

} // namespace vonu::test
