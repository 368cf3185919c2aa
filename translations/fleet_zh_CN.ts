<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>FleetPortTable</name>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>设备</translation>
    </message>
    <message>
        <source>Cable</source>
        <translation>编程线</translation>
    </message>
    <message>
        <source>Asset tag</source>
        <translation>资产编号</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>进度</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 %2 s</source>
        <translation>%1 %2 秒</translation>
    </message>
</context>
<context>
    <name>FleetReportWindow</name>
    <message>
        <source>Fleet Report</source>
        <translation>批量编程报告</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>打印…</translation>
    </message>
    <message>
        <source>Export PDF…</source>
        <translation>导出 PDF…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>The report %1 could not be read: %2</source>
        <translation>无法读取报告 %1：%2</translation>
    </message>
    <message>
        <source>No radio has been programmed into %1 yet.</source>
        <translation>%1 中还没有任何对讲机的编程记录。</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n radio(s)</source>
        <translation>
            <numerusform>%1：%n 台对讲机</numerusform>
        </translation>
    </message>
    <message>
        <source>Fleet report %1</source>
        <translation>批量编程报告 %1</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>导出 PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF 文件 (*.pdf)</translation>
    </message>
    <message>
        <source>The report was exported to %1.</source>
        <translation>报告已导出到 %1。</translation>
    </message>
    <message>
        <source>The PDF file %1 could not be written: %2</source>
        <translation>无法写入 PDF 文件 %1：%2</translation>
    </message>
</context>
<context>
    <name>FleetWindow</name>
    <message>
        <source>The row of %1 could not be added to the report %2: %3</source>
        <translation>无法把 %1 的记录添加到报告 %2：%3</translation>
    </message>
    <message>
        <source>Fleet Programming</source>
        <translation>批量编程</translation>
    </message>
    <message>
        <source>Write:</source>
        <translation>写入：</translation>
    </message>
    <message>
        <source>the working copy</source>
        <translation>当前数据</translation>
    </message>
    <message>
        <source>a channel file</source>
        <translation>信道参数文件</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>选择…</translation>
    </message>
    <message>
        <source>Back up before writing</source>
        <translation>写入前备份</translation>
    </message>
    <message>
        <source>Verify after writing</source>
        <translation>写入后校验</translation>
    </message>
    <message>
        <source>Report file…</source>
        <translation>报告文件…</translation>
    </message>
    <message>
        <source>Open report</source>
        <translation>打开报告</translation>
    </message>
    <message>
        <source>Refresh ports</source>
        <translation>刷新端口</translation>
    </message>
    <message>
        <source>Program checked radios</source>
        <translation>为选中的对讲机编程</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>重试</translation>
    </message>
    <message>
        <source>Next batch</source>
        <translation>下一批</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Programs the radio of the selected row again, with the last batch&apos;s file</source>
        <translation>用上一批的文件为所选行的对讲机重新编程</translation>
    </message>
    <message>
        <source>Clears the outcomes and asset tags for the next radios</source>
        <translation>清除结果和资产编号，准备下一批对讲机</translation>
    </message>
    <message>
        <source>Report: %1</source>
        <translation>报告：%1</translation>
    </message>
    <message>
        <source>working copy</source>
        <translation>当前数据</translation>
    </message>
    <message>
        <source>%1 (modified)</source>
        <translation>%1（已修改）</translation>
    </message>
    <message>
        <source>Nothing was written to any radio.</source>
        <translation>没有向任何对讲机写入数据。</translation>
    </message>
    <message>
        <source>Tick the ports whose radios are to be programmed.</source>
        <translation>请勾选要编程的对讲机所在的端口。</translation>
    </message>
    <message>
        <source>Channel file to write</source>
        <translation>要写入的信道参数文件</translation>
    </message>
    <message>
        <source>Fleet report</source>
        <translation>批量编程报告</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
    <message>
        <source>The radio&apos;s earlier memory is saved in %1.</source>
        <translation>对讲机原来的存储内容已保存在 %1。</translation>
    </message>
    <message>
        <source>Radios are being programmed: wait until every port has finished.</source>
        <translation>正在为对讲机编程：请等所有端口都完成后再关闭。</translation>
    </message>
    <message>
        <source>Channel files and radio texts (*.chann *.yaml)</source>
        <translation>信道参数文件和对讲机文本 (*.chann *.yaml)</translation>
    </message>
</context>
</TS>
