#include "support/DatabaseFixture.h"

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

void SessionFixture::SetUp()
{
    DatabaseFixture::SetUp();
    if (IsSkipped() || HasFatalFailure())
        return;
    ASSERT_TRUE(openSession());
}

} // namespace vonu::test
