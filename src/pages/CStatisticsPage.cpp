#include "CStatisticsPage.h"

#include "pages/PageSupport.h"
#include "res/DialogTemplates.h"

#include <QHeaderView>
#include <QTreeWidget>
#include <array>

namespace {

constexpr std::array<zel::HelpPair, 5> kHelpIds{{
    {1014, 16},
    {1015, 17},
    {1016, 18},
    {1017, 19},
    {0, 0},
}};

constexpr std::array<AccessibleLabel, 4> kLabels{{
    {CStatisticsPage::IDC_NEW_MESSAGES, 1035},
    {CStatisticsPage::IDC_SAVED_MESSAGES, 1036},
    {CStatisticsPage::IDC_TOTAL_MESSAGES, 1037},
    {CStatisticsPage::IDC_MAX_MESSAGES, 1038},
}};

} // namespace

CStatisticsPage::CStatisticsPage(QWidget* parent) : Dialog(zel::res::statisticsPage(), parent) {}

bool CStatisticsPage::OnInitDialog()
{
    const bool result = Dialog::OnInitDialog();
    nameAfterLabels(*this, kLabels);

    // Four untitled columns sharing the list's width 3:4:4:4.
    auto* list = dlgItem<QTreeWidget>(IDC_MESSAGE_LIST);
    const int width = list->width();
    list->setColumnCount(4);
    list->setHeaderLabels({QString(), QString(), QString(), QString()});
    list->setColumnWidth(0, 3 * width / 16);
    for (int column = 1; column < 4; ++column)
        list->setColumnWidth(column, 4 * width / 16);
    list->clear();
    return result;
}

void CStatisticsPage::OnOK()
{
    // Enter inside the page: the page never closes itself.
}

bool CStatisticsPage::OnHelpInfo(const zel::HelpInfo& info)
{
    return showPageHelp(info, kHelpIds);
}
