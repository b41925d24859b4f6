// The invoices and payments tables: rows both ways, the invoice view's filter checked by the rows it
// loads, invoice numbers (unique also when several copies of the program ask at once), and the
// payments of an invoice.
#include "TableTestSupport.h"

#include "billing/CInvoice.h"
#include "billing/CPayment.h"
#include "data/CClient.h"
#include "data/CInvoiceSet.h"
#include "data/CPaymentSet.h"
#include "data/CProject.h"
#include "foundation/Registry.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <set>
#include <thread>

using namespace datatest;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

constexpr LONGLONG kDay = 86400;

class InvoiceSetTest : public TableSetTest {
protected:
    void SetUp() override {
        TableSetTest::SetUp();
        if (IsSkipped())
            return;
        CreateTables({"Invoices", "Payments", "OrgObjects"});
        acme = new CClient;
        acme->SetCompanyName("Acme");
        m_doc->AddClient(acme);
        globex = new CClient;
        globex->SetCompanyName("Globex");
        m_doc->AddClient(globex);
        alpha = new CProject("Alpha", 0.0);
        m_doc->AddProject(alpha);
        Set().ClearFilter();
    }
    CInvoiceSet& Set() { return m_doc->m_InvoiceSet; }

    template <typename Change = void (*)(CInvoice&)>
    CInvoice& Write(
        const char* number, Change change = [](CInvoice&) {}) {
        auto* invoice = new CInvoice;
        invoice->m_pDoc = m_doc.get();
        invoice->m_InvoiceNum = number;
        change(*invoice);
        m_doc->AddInvoice(invoice);
        EXPECT_TRUE(Set().SaveInvoice(m_doc.get(), invoice)) << number;
        return *invoice;
    }
    std::vector<std::string> Loaded() {
        auto doc = OtherCopy();
        EXPECT_TRUE(doc->m_InvoiceSet.LoadInvoices(doc.get()));
        std::vector<std::string> numbers;
        for (INT_PTR i = 0; i < doc->m_Invoices.GetSize(); ++i)
            numbers.emplace_back(doc->m_Invoices.GetAt(i)->m_InvoiceNum.GetString());
        std::sort(numbers.begin(), numbers.end());
        return numbers;
    }
    CString Next() {
        CString number;
        EXPECT_TRUE(Set().GetNextInvoiceNumber(m_doc.get(), number));
        return number;
    }

    CClient* acme = nullptr;
    CClient* globex = nullptr;
    CProject* alpha = nullptr;
};

TEST_P(InvoiceSetTest, InvoiceComesBackAsItWasStored) {
    CInvoice& invoice = Write("1000", [&](CInvoice& i) {
        i.SetClient(acme);
        i.m_ProjectUID = alpha->GetGUID();
        i.m_CreatorUID = "CREATOR";
        i.m_DateSent = At(2, 29);
        i.m_TemplateFile = "Basic.rtf";
        i.m_InvoiceFile = "1000.rtf";
        i.m_SubTotal = 100.0;
        i.m_TaxRate = 0.08;
        i.m_TaxAmount = 8.0;
        i.m_Amount = 108.0;
        i.m_AmountPaid = 50.0;
        i.m_BalanceDue = 58.0;
        i.m_Terms = 45;
        i.m_DueDate = At(3, 30);
        i.m_PO = "PO'7";
        i.m_InvoiceNote = "100% net";
        i.m_Representative = "kim";
        i.m_PaidInFull = 1;
        i.m_DatePaid = At(3, 1, 10, 30);
        i.m_StartRange = At(2, 1);
        i.m_EndRange = At(2, 29);
        i.m_Notes = LongText(3000).c_str();
        i.m_UserBased = 1;
    });
    auto doc = OtherCopy();
    ASSERT_TRUE(doc->m_InvoiceSet.LoadInvoices(doc.get()));
    CInvoice* back = doc->FindInvoiceByGUID(invoice.m_GUID);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->m_pDoc, doc.get());
    EXPECT_EQ(back->m_Created, invoice.m_Created);
    EXPECT_EQ(back->m_Deleted, 0);
    EXPECT_EQ(back->m_InvoiceNum, "1000");
    EXPECT_EQ(back->m_DateSent, At(2, 29));
    EXPECT_EQ(back->m_ClientUID, acme->GetGUID());
    EXPECT_EQ(back->GetClient(), doc->FindClientByGUID(acme->GetGUID()));
    EXPECT_EQ(back->m_ProjectUID + back->m_CreatorUID, alpha->GetGUID() + "CREATOR");
    EXPECT_EQ(back->m_TemplateFile + back->m_InvoiceFile, "Basic.rtf1000.rtf");
    EXPECT_EQ(back->m_SubTotal + back->m_TaxAmount + back->m_Amount + back->m_AmountPaid + back->m_BalanceDue,
              324.0);
    EXPECT_EQ(back->m_TaxRate, 0.08);
    EXPECT_EQ(back->m_Terms, 45);
    EXPECT_EQ(back->m_DueDate, At(3, 30));
    EXPECT_EQ(back->m_PO + back->m_InvoiceNote + back->m_Representative, "PO'7100% netkim");
    EXPECT_EQ(back->m_PaidInFull, 1);
    EXPECT_EQ(back->m_DatePaid, At(3, 1, 10, 30));
    EXPECT_EQ(back->m_StartRange, At(2, 1));
    EXPECT_EQ(back->m_EndRange, At(2, 29));
    EXPECT_EQ(back->m_Notes, invoice.m_Notes);
    EXPECT_EQ(back->m_UserBased, 1);

    invoice.m_PO = "changed";
    ASSERT_TRUE(Set().SaveInvoice(m_doc.get(), &invoice));
    EXPECT_EQ(Count("Invoices"), 1);
    invoice.m_Modified = invoice.m_Modified + CTimeSpan(5);
    ASSERT_TRUE(Set().SaveInvoice(m_doc.get(), &invoice));
    ASSERT_TRUE(doc->m_InvoiceSet.LoadAll(doc.get()));
    EXPECT_EQ(back->m_PO, "changed") << "a later row is merged";
    EXPECT_EQ(doc->m_Invoices.GetSize(), 1);
    EXPECT_TRUE(Set().DeleteInvoice(m_doc.get(), &invoice));
    EXPECT_EQ(Count("Invoices"), 0);
}

TEST(InvoiceDateFilter, MonthsBackStayInTheMonthTheyReach) {
    struct Case {
        CTime now;
        int months;
        CTime expected;
    };
    const Case cases[] = {
        {CTime(2005, 6, 9, 10, 0, 0), 1, CTime(2005, 5, 9, 10, 0, 0)},
        {CTime(2005, 3, 31, 10, 0, 0), 1, CTime(2005, 2, 28, 10, 0, 0)},
        {CTime(2004, 3, 30, 10, 0, 0), 1, CTime(2004, 2, 29, 10, 0, 0)},
        {CTime(2005, 3, 31, 10, 0, 0), 2, CTime(2005, 1, 31, 10, 0, 0)},
        {CTime(2005, 5, 31, 10, 0, 0), 1, CTime(2005, 4, 30, 10, 0, 0)},
        {CTime(2005, 1, 15, 10, 0, 0), 1, CTime(2004, 12, 15, 10, 0, 0)},
        {CTime(2005, 1, 31, 10, 0, 0), 13, CTime(2003, 12, 31, 10, 0, 0)},
        {CTime(2005, 1, 31, 10, 0, 0), 0, CTime(2005, 1, 31, 10, 0, 0)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MonthsBefore(c.now, c.months), c.expected)
            << c.now.GetYear() << "-" << c.now.GetMonth() << "-" << c.now.GetDay() << " less " << c.months;
}

TEST_P(InvoiceSetTest, TheViewShowsTheInvoicesOfTheChosenClientProjectAgeAndDueDate) {
    const CTime now = CTime::GetCurrentTime();
    Write("acme old", [&](CInvoice& i) {
        i.SetClient(acme);
        i.m_Created = MonthsBefore(now, 3) - CTimeSpan(kDay);
    });
    Write("acme overdue", [&](CInvoice& i) {
        i.SetClient(acme);
        i.m_ProjectUID = alpha->GetGUID();
        i.m_DueDate = now - CTimeSpan(kDay);
    });
    Write("acme paid", [&](CInvoice& i) {
        i.SetClient(acme);
        i.m_DueDate = now - CTimeSpan(kDay);
        i.m_PaidInFull = 1;
    });
    Write("globex due later", [&](CInvoice& i) {
        i.SetClient(globex);
        i.m_DueDate = now + CTimeSpan(kDay);
    });
    Write("globex no due date", [&](CInvoice& i) { i.SetClient(globex); });

    EXPECT_EQ(Loaded().size(), 5u);
    Set().SetFilterClient(acme);
    EXPECT_THAT(Loaded(), ElementsAre("acme old", "acme overdue", "acme paid"));
    Set().SetFilterDate(3);
    EXPECT_THAT(Loaded(), ElementsAre("acme overdue", "acme paid"));
    Set().SetFilterProject(alpha);
    EXPECT_THAT(Loaded(), ElementsAre("acme overdue"));
    Set().ClearFilter();
    Set().SetFilterPastDue(true);
    EXPECT_THAT(Loaded(), ElementsAre("acme overdue"))
        << "paid in full is not past due; no due date never is";
    EXPECT_EQ(Errors().GetCount(), 0);
}

TEST_P(InvoiceSetTest, FilterSettingsAndTheirText) {
    EXPECT_FALSE(Set().IsFiltered());
    EXPECT_EQ(Set().GetFilterText(m_doc.get()), "");
    Set().SetFilterClient(acme);
    Set().SetFilterProject(alpha);
    Set().SetFilterDate(1);
    EXPECT_EQ(Set().GetFilterText(m_doc.get()), "Acme, Alpha, Created within 1 month");
    Set().SetFilterDate(6);
    Set().SetFilterPastDue(true);
    Set().SetFilterClient(nullptr);
    EXPECT_EQ(Set().GetFilterText(m_doc.get()), "Alpha, Created within 6 months, Past due invoices");
    Set().ClearFilter();
    EXPECT_FALSE(Set().IsFiltered());
    CString date = "x";
    RegReadString(REG_FILTER_PROJECT_TASKS, "InDate", date);
    EXPECT_EQ(date, "") << "cleared values are empty texts";
}

TEST_P(InvoiceSetTest, NextNumbersFollowTheLargestLeadingNumber) {
    EXPECT_EQ(Next(), "1000") << "the first invoice";
    Exec("DELETE FROM [Invoices]");
    Write("1003");
    Write("abc");
    Write("998");
    Write(" 1002 a");
    EXPECT_EQ(Next(), "1004");
    EXPECT_EQ(Next(), "1005") << "a number handed out is taken";
    EXPECT_THAT(Loaded(), ElementsAre(" 1002 a", "1003", "998", "abc")) << "reserved numbers are no invoices";
}

TEST_P(InvoiceSetTest, TheInvoiceThatAskedTakesOverItsReservedNumber) {
    CInvoice invoice;
    invoice.m_pDoc = m_doc.get();
    CString number;
    ASSERT_TRUE(Set().GetNextInvoiceNumber(m_doc.get(), number, invoice.GetGUID()));
    EXPECT_EQ(number, "1000");
    EXPECT_THAT(Loaded(), IsEmpty());
    invoice.m_InvoiceNum = number;
    ASSERT_TRUE(Set().SaveInvoice(m_doc.get(), &invoice));
    EXPECT_EQ(Count("Invoices"), 1) << "the reservation became the invoice";
    EXPECT_THAT(Loaded(), ElementsAre("1000"));
    EXPECT_FALSE(Set().ReleaseInvoiceNumber(CString()));
    ASSERT_TRUE(Set().ReleaseInvoiceNumber(invoice.m_GUID));
    EXPECT_EQ(Count("Invoices"), 1) << "a saved invoice keeps its row";

    // A dialog that was cancelled gives its number back.
    CString abandoned;
    ASSERT_TRUE(Set().GetNextInvoiceNumber(m_doc.get(), abandoned, "CANCELLED"));
    EXPECT_EQ(abandoned, "1001");
    ASSERT_TRUE(Set().ReleaseInvoiceNumber("CANCELLED"));
    EXPECT_EQ(Next(), "1001");
}

TEST_P(InvoiceSetTest, CopiesAskingAtOnceNeverShareANumber) {
    constexpr int kCopies = 4;
    constexpr int kEach = 6;
    std::vector<std::vector<std::string>> numbers(kCopies);
    std::vector<std::thread> copies;
    for (int c = 0; c < kCopies; ++c) {
        copies.emplace_back([&, c] {
            // Each copy of the program has its own connection.
            CLogDatabase database;
            CInvoiceSet set(&database);
            for (int i = 0; i < kEach; ++i) {
                CString number;
                CInvoice invoice;
                if (set.GetNextInvoiceNumber(m_doc.get(), number, invoice.GetGUID())) {
                    invoice.m_InvoiceNum = number;
                    if (set.SaveInvoice(m_doc.get(), &invoice))
                        numbers[c].emplace_back(number.GetString());
                }
            }
        });
    }
    for (std::thread& copy : copies)
        copy.join();
    std::set<std::string> distinct;
    size_t total = 0;
    for (const auto& mine : numbers) {
        EXPECT_EQ(mine.size(), static_cast<size_t>(kEach)) << "every copy got all its numbers";
        total += mine.size();
        distinct.insert(mine.begin(), mine.end());
    }
    EXPECT_EQ(distinct.size(), total) << "no number was handed out twice";
    EXPECT_EQ(Count("Invoices"), static_cast<long>(total));
    EXPECT_EQ(QueryNumber("SELECT COUNT(DISTINCT [InvoiceNum]) FROM [Invoices]"), static_cast<long>(total));
}

TEST_P(InvoiceSetTest, ClientReferencesAreFoundAndReplaced) {
    Write("1", [&](CInvoice& i) { i.SetClient(acme); });
    Write("2", [&](CInvoice& i) { i.SetClient(acme); });
    EXPECT_TRUE(Set().ClientHasInvoices(acme));
    EXPECT_FALSE(Set().ClientHasInvoices(globex));
    ASSERT_TRUE(Set().ReplaceClient(m_doc.get(), acme, globex));
    EXPECT_EQ(Count("Invoices", "[ClientUID] = '" + globex->GetGUID() + "'"), 2);
    ASSERT_TRUE(Set().ReplaceClient(m_doc.get(), globex, nullptr));
    EXPECT_FALSE(Set().ClientHasInvoices(globex));
}

TEST_P(InvoiceSetTest, PaymentsOfAnInvoice) {
    CInvoice& invoice = Write("1000", [&](CInvoice& i) { i.SetClient(acme); });
    CInvoice& other = Write("1001");
    CPaymentSet& payments = m_doc->m_PaymentSet;
    double total = -1.0;
    EXPECT_TRUE(payments.SumPayments(m_doc.get(), &invoice, total));
    EXPECT_EQ(total, 0.0) << "no payments";
    CPaymentArray loaded;
    EXPECT_TRUE(payments.LoadPayments(m_doc.get(), loaded, &invoice));
    EXPECT_EQ(loaded.GetSize(), 0);

    std::vector<std::unique_ptr<CPayment>> made;
    for (double amount : {10.00, 20.50, 0.25}) {
        auto& payment = made.emplace_back(std::make_unique<CPayment>());
        payment->SetInvoice(&invoice);
        payment->SetClient(acme);
        payment->m_Amount = amount;
        payment->m_DateRecvd = At(4, 2);
        payment->m_CheckNum = "C'1%";
        payment->m_DaysLate = -2;
        ASSERT_TRUE(payments.SavePayment(m_doc.get(), payment.get()));
    }
    CPayment elsewhere;
    elsewhere.SetInvoice(&other);
    elsewhere.m_Amount = 99.0;
    ASSERT_TRUE(payments.SavePayment(m_doc.get(), &elsewhere));

    EXPECT_TRUE(payments.SumPayments(m_doc.get(), &invoice, total));
    EXPECT_DOUBLE_EQ(total, 30.75);
    ASSERT_TRUE(payments.LoadPayments(m_doc.get(), loaded, &invoice));
    ASSERT_EQ(loaded.GetSize(), 3);
    for (INT_PTR i = 0; i < loaded.GetSize(); ++i) {
        CPayment* p = loaded.GetAt(i);
        EXPECT_EQ(p->m_pInvoice, &invoice);
        EXPECT_EQ(p->m_pClient, acme) << "the invoice's client";
        EXPECT_EQ(p->m_ClientUID, acme->GetGUID());
        EXPECT_EQ(p->m_CheckNum, "C'1%");
        EXPECT_EQ(p->m_DaysLate, -2);
        EXPECT_EQ(p->m_DateRecvd, At(4, 2));
        delete p;
    }
    EXPECT_TRUE(payments.ClientHasPayments(acme));
    ASSERT_TRUE(payments.ReplaceClient(m_doc.get(), acme, globex));
    EXPECT_FALSE(payments.ClientHasPayments(acme));
    EXPECT_TRUE(payments.DeletePayment(m_doc.get(), made[0].get()));
    EXPECT_TRUE(payments.SumPayments(m_doc.get(), &invoice, total));
    EXPECT_DOUBLE_EQ(total, 20.75);
    EXPECT_FALSE(payments.DeletePayment(nullptr, made[1].get()));
}

INSTANTIATE_TEST_SUITE_P(Engines, InvoiceSetTest, DATA_ENGINES);

} // namespace
