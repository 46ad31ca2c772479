#include "CStatisticsPage.h"

#include "pages/PageSupport.h"
#include "res/DialogTemplates.h"
#include "res/resource.h"

#include <QHeaderView>
#include <QTreeWidget>
#include <array>

namespace {

constexpr std::array<zel::AccessibleLabel, 4> kLabels{{
    {zel::IDC_STATISTICS_NEW_MESSAGES, zel::IDC_STATISTICS_NEW_MESSAGES_LABEL},
    {zel::IDC_STATISTICS_SAVED_MESSAGES, zel::IDC_STATISTICS_SAVED_MESSAGES_LABEL},
    {zel::IDC_STATISTICS_TOTAL_MESSAGES, zel::IDC_STATISTICS_TOTAL_MESSAGES_LABEL},
    {zel::IDC_STATISTICS_MAX_MESSAGES, zel::IDC_STATISTICS_MAX_MESSAGES_LABEL},
}};

} // namespace

CStatisticsPage::CStatisticsPage(QWidget* parent) : Dialog(zel::res::statisticsPage(), parent) {}

bool CStatisticsPage::OnInitDialog()
{
    const bool result = Dialog::OnInitDialog();
    zel::nameAfterLabels(*this, kLabels);

    // Four untitled columns sharing the list's width 3:4:4:4.
    auto* list = dlgItem<QTreeWidget>(zel::IDC_STATISTICS_MESSAGES_LIST);
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
    return zel::showPageHelp(*this, info);
}
