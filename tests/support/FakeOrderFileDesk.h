#pragma once
// The order desk as the order-file buttons see it, without a database:
// answers set by the test and every call recorded, so the desk branches of
// New, Open and Delete are tested on the screen alone.

#include "files/OrderFileDesk.h"

#include <QMap>
#include <QStringList>

#include <vector>

namespace vonu::test {

class FakeOrderFileDesk final : public IOrderFileDesk {
public:
    void startNew() override { ++newOrders; }
    Open opening(const MorvekDocument&, OrderModel&, bool external) override
    {
        openings.push_back(external);
        return openAnswer;
    }
    void opened(const MorvekDocument&, bool external) override { openedCalls.push_back(external); }
    bool confirmDelete(const QString& file) override
    {
        deletesAsked << file;
        return deleteAnswer;
    }
    bool articleSuccessor(const QString& code, QString* successor) override
    {
        successorsAsked << code;
        *successor = successors.value(code);
        return lookupWorks;
    }

    Open openAnswer = Open::Go;
    bool deleteAnswer = true;
    QMap<QString, QString> successors;  // code -> successor; absent: the code stays
    bool lookupWorks = true;

    int newOrders = 0;
    std::vector<bool> openings;     // `external` of each opening asked
    std::vector<bool> openedCalls;  // `external` of each opened document
    QStringList deletesAsked;
    QStringList successorsAsked;
};

} // namespace vonu::test
