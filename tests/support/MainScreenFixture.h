#pragma once
// The main screen in customer mode on the fake platform, with a program
// state over a throwaway working folder: where the tests of the screen, its
// actions and its dialogs start. The notes screen is attached, the order
// date is the fake clock's day.

#include "data/AppState.h"
#include "order/VonuOrder.h"
#include "order/VonuOrderNotitie.h"
#include "support/FakePlatform.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace vonu::test {

class MainScreenFixture : public ::testing::Test {
protected:
    MainScreenFixture();

    // Loads the profile from its text; with a file name it is written into
    // the working folder first and loaded from there (its name then names
    // the customer's files).
    void loadProfile(const QString& xml, const QString& fileName = {});
    void loadCatalog(const QString& xml);
    // Fills `Ordervoor` with the profile's addresses and chooses the first,
    // as the start-up does (which fills the article lists).
    void fillShipTo();
    // Order entry as after the start-up: catalog and profile loaded, the
    // first address chosen, every row's colour list filled, the screen shown
    // and active.
    void startEntry(const QString& catalogXml, const QString& profileXml);

    QTemporaryDir dir;
    FakePlatform fake;
    ScriptedMessages& messages = fake.messages;
    Platform& platform = fake.platform;
    AppState state;
    TVonuOrderNotitiescherm notes;
    TVonuOrderscherm screen;
};

} // namespace vonu::test
