#include "support/MainScreenFixture.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QTest>

#include "sill/VonuOrderSponning.h"
#include "widgets/RadioGroup.h"

namespace vonu::test {

MainScreenFixture::MainScreenFixture() : state(dir.path()), screen(fake.platform, state, sponningKoppeling())
{
    screen.setNotitiescherm(&notes);
    screen.showModeControls(false);
    screen.orderdatum()->setDate(fake.clock.today());
    screen.transactie()->setItemIndex(0);
}

void MainScreenFixture::loadProfile(const QString& xml, const QString& fileName)
{
    if (fileName.isEmpty()) {
        EXPECT_TRUE(state.profile.loadText(xml)) << state.profile.errorText().toStdString();
        return;
    }
    QFile f(dir.filePath(fileName));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(xml.toUtf8());
    f.close();
    EXPECT_TRUE(state.profile.load(f.fileName())) << state.profile.errorText().toStdString();
}

void MainScreenFixture::loadCatalog(const QString& xml)
{
    EXPECT_TRUE(state.catalog.loadText(xml)) << state.catalog.errorText().toStdString();
}

void MainScreenFixture::fillShipTo()
{
    screen.ordervoor()->clear();
    screen.ordervoor()->addItems(state.profile.shipToEntries());
    screen.ordervoor()->setCurrentIndex(screen.ordervoor()->count() > 0 ? 0 : -1);
}

void MainScreenFixture::startEntry(const QString& catalogXml, const QString& profileXml)
{
    loadCatalog(catalogXml);
    loadProfile(profileXml);
    fillShipTo();
    for (int r = 1; r <= TVonuOrderscherm::RegelRijen; ++r)
        screen.regelRij(r).kleur->addItems(state.catalog.colourEntries());
    screen.show();
    screen.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&screen));
}

} // namespace vonu::test
