<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>BackupRestoreWindow</name>
    <message>
        <source>Restore from Backup</source>
        <translation>从备份恢复</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Radio version</source>
        <translation>对讲机版本</translation>
    </message>
    <message>
        <source>Channels in use</source>
        <translation>已用信道数</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>备份</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>恢复</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>No backups yet in %1: the write window backs the radio up there before it writes.</source>
        <translation>%1 中还没有备份：写入窗口在写入前会把对讲机备份到那里。</translation>
    </message>
    <message>
        <source>Backups of the radio taken before writes, newest first, in %1:</source>
        <translation>写入前所做的对讲机备份（最新的在前），位于 %1：</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Restore backup of %1</source>
        <translation>恢复 %1 的备份</translation>
    </message>
    <message>
        <source>The backup of %1 is now the working copy. Write it to the radio now?</source>
        <translation>%1 的备份现已成为当前数据。现在就把它写入对讲机吗？</translation>
    </message>
</context>
<context>
    <name>CompareWithRadioWindow</name>
    <message>
        <source>The radio&apos;s memory format (%1) is not the working copy&apos;s (%2), so the two cannot be compared. Read the radio into the program instead.</source>
        <translation>对讲机的存储格式（%1）与当前数据的（%2）不同，无法比较。请改为把对讲机读入程序。</translation>
    </message>
    <message>
        <source>the radio</source>
        <translation>对讲机</translation>
    </message>
    <message>
        <source>Compare With Radio</source>
        <translation>与对讲机比较</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Reads the radio and shows what differs from the working copy, channel by channel and setting by setting. The working copy is not changed. Plug the programming cable into the radio and the computer, switch the radio on, choose the cable&apos;s COM in Communication, then press Read.</source>
        <translation>读取对讲机，并逐个信道、逐项设置列出它与当前数据的不同之处，当前数据不会改变。把写频线插好对讲机和电脑，打开对讲机，在“端口设置”中选择写频线所在的 COM 口，然后按“读取”。</translation>
    </message>
</context>
<context>
    <name>LinkWindow</name>
    <message>
        <source>Save link trace…</source>
        <translation>保存通讯记录…</translation>
    </message>
    <message>
        <source>When it fails: the radio must be switched on with a charged battery; the cable&apos;s plug must sit fully in the radio&apos;s socket; the chosen COM must be the cable (Communication shows which device each COM is); no other program may hold the port. Save link trace… keeps every byte exchanged for whoever helps you.</source>
        <translation>失败时请检查：对讲机已开机且电池有电；写频线插头完全插入对讲机插孔；所选 COM 口就是写频线（“端口设置”显示每个 COM 口对应的设备）；没有其他程序占用该端口。“保存通讯记录…”会保存收发的每个字节，可发给帮助您的人。</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Save link trace</source>
        <translation>保存通讯记录</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>文本文件 (*.txt)</translation>
    </message>
    <message>
        <source>The link trace was saved to %1.</source>
        <translation>通讯记录已保存到 %1。</translation>
    </message>
    <message>
        <source>The link trace could not be saved to %1: %2</source>
        <translation>通讯记录无法保存到 %1：%2</translation>
    </message>
    <message>
        <source>Transfer progress</source>
        <translation>传输进度</translation>
    </message>
</context>
<context>
    <name>ReadWindow</name>
    <message>
        <source>Read Data From Radio</source>
        <translation>从对讲机读取数据</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Reads the radio&apos;s whole memory into the program: the channels, the optional features, the frequency mode, the range and the FM presets. Plug the programming cable into the radio and the computer, switch the radio on, choose the cable&apos;s COM in Communication, then press Read.</source>
        <translation>把对讲机的全部存储读入程序：信道、可选参数、频率模式、频率范围和收音机频道。把写频线插好对讲机和电脑，打开对讲机，在“端口设置”中选择写频线所在的 COM 口，然后按“读取”。</translation>
    </message>
</context>
<context>
    <name>WriteWindow</name>
    <message>
        <source>Write Data to Radio</source>
        <translation>写数据到对讲机</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>写入</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Verify after writing</source>
        <translation>写入后校验</translation>
    </message>
    <message>
        <source>Back up the radio before writing</source>
        <translation>写入前备份对讲机</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>在文件夹中显示</translation>
    </message>
    <message>
        <source>Writes the working copy to the radio. Before anything is sent, the priority channel becomes none when its channel is not in use, the first channel in use becomes the start channel, and the frequency mode and every channel must lie within the frequency range. With the first box ticked the radio is read into a backup file first; with the second it is read back afterwards and compared with what was sent.</source>
        <translation>把当前数据写入对讲机。发送之前：优先信道所指的信道未使用时，优先信道改为“无”；第一个使用中的信道成为起始信道；频率模式和每个信道都必须在工作频率范围之内。勾选第一项时，先把对讲机读出保存为备份文件；勾选第二项时，写完后读回对讲机，与写入的数据比较。</translation>
    </message>
    <message>
        <source>A write that broke off leaves the radio half-written: write it again, or write the backup back to it.</source>
        <translation>写入中断时对讲机只写入了一部分：请重新写入，或把备份写回对讲机。</translation>
    </message>
    <message>
        <source>Backup: %1</source>
        <translation>备份：%1</translation>
    </message>
    <message>
        <source>Backing up the radio</source>
        <translation>正在备份对讲机</translation>
    </message>
    <message>
        <source>Writing the radio</source>
        <translation>正在写入对讲机</translation>
    </message>
    <message>
        <source>Reading the radio back to verify it</source>
        <translation>正在读回对讲机以校验</translation>
    </message>
    <message>
        <source>Write the backup back</source>
        <translation>把备份写回对讲机</translation>
    </message>
</context>
</TS>
