<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>LinkEngine</name>
    <message>
        <source>Read-write operating，don&apos;t close the window. ,</source>
        <translation>正在进行读写操作,请勿关窗口 ！,</translation>
    </message>
    <message>
        <source>Read-write operating with transceiver .</source>
        <translation>正在与对讲机进行读写操作 ！</translation>
    </message>
    <message>
        <source>Connecting with transceiver. </source>
        <translation>正在与对讲机联络 ！</translation>
    </message>
    <message>
        <source>Communication port is error, please setting right communication port . ！</source>
        <translation>通讯端口打开错误，请正确设置通讯端口 ！</translation>
    </message>
    <message>
        <source>The version of the software is different from the radio&apos;s，the parameter will be reset if continue，whether continue or not?</source>
        <translation>软件版本号与机器不一致，继续将初始化参数，是否继续？</translation>
    </message>
    <message>
        <source>Reading %1 Data Block</source>
        <translation>正在读取 %1 数据块</translation>
    </message>
    <message>
        <source>Writing  %1  Data Block</source>
        <translation>正在写入  %1  数据块</translation>
    </message>
    <message>
        <source>Read Data in gear. </source>
        <translation>数据读出正常 ！</translation>
    </message>
    <message>
        <source>Complete reading the data from transceiver.</source>
        <translation>从对讲机中读取数据完毕 ！</translation>
    </message>
    <message>
        <source>Complete writing Data to the transceiver.</source>
        <translation>向对讲机写入数据完毕 ！</translation>
    </message>
    <message>
        <source>Complete writing Data </source>
        <translation>数据写入完毕 ！</translation>
    </message>
    <message>
        <source>Fail connect with transceiver.</source>
        <translation>与对讲机联络失败 ！</translation>
    </message>
    <message>
        <source>Communication fault.</source>
        <translation>与对讲机通讯故障 ！</translation>
    </message>
    <message>
        <source>Write to radio</source>
        <translation>写入对讲机</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>初始化参数</translation>
    </message>
    <message>
        <source>Read from radio</source>
        <translation>从对讲机读取</translation>
    </message>
    <message>
        <source>The radio now holds a partial write (%1 of 255 blocks): write it again before using it.</source>
        <translation>对讲机现在只写入了一部分（255 个数据块中的 %1 个）：使用前请重新写入。</translation>
    </message>
</context>
<context>
    <name>LinkSequence</name>
    <message>
        <source>The radio&apos;s memory could not be saved as a backup, so nothing was written.</source>
        <translation>对讲机原有数据无法保存为备份，因此没有写入任何数据。</translation>
    </message>
    <message>
        <source>Folder %1: %2</source>
        <translation>文件夹 %1：%2</translation>
    </message>
    <message>
        <source>The radio was written, but it could not be read back to verify the write.</source>
        <translation>数据已写入对讲机，但无法读回以校验写入结果。</translation>
    </message>
    <message>
        <source>Read the radio to check it, or write it again.</source>
        <translation>请读取对讲机进行检查，或重新写入。</translation>
    </message>
    <message>
        <source>Verified: the radio holds what was written.</source>
        <translation>已校验：对讲机中的数据与写入的一致。</translation>
    </message>
    <message>
        <source>Verification failed: %1 read back differently.</source>
        <translation>校验失败：%1 读回的数据不同。</translation>
    </message>
    <message>
        <source>Read back differently: %1.</source>
        <translation>读回的数据不同：%1。</translation>
    </message>
    <message>
        <source>Write the radio again; if the same difference comes back, the radio&apos;s memory may be at fault.</source>
        <translation>请重新写入对讲机；如果仍出现同样的差异，可能是对讲机的存储器有故障。</translation>
    </message>
    <message>
        <source>The radio&apos;s earlier memory is saved in %1.</source>
        <translation>对讲机原有数据保存在 %1。</translation>
    </message>
    <message>
        <source>The radio does not hold what was written.</source>
        <translation>对讲机中的数据与写入的不一致。</translation>
    </message>
    <message>
        <source>Nothing was written: the radio is read for its backup first.</source>
        <translation>没有写入任何数据：写入前要先读取对讲机进行备份。</translation>
    </message>
    <message>
        <source>The port could not be opened; nothing was sent.</source>
        <translation>无法打开端口，没有发送任何数据。</translation>
    </message>
    <message>
        <source>Communication fault while backing the radio up: nothing was written.</source>
        <translation>备份对讲机时通讯出错：没有写入任何数据。</translation>
    </message>
    <message>
        <source>Communication fault while writing: the radio holds a partial write.</source>
        <translation>写入时通讯出错：对讲机只写入了一部分。</translation>
    </message>
    <message>
        <source>Communication fault: nothing was written.</source>
        <translation>通讯出错：没有写入任何数据。</translation>
    </message>
    <message>
        <source>Nothing was written: the radio uses another memory format.</source>
        <translation>没有写入：对讲机使用另一种存储格式。</translation>
    </message>
    <message>
        <source>Written, not verified: the radio could not be read back.</source>
        <translation>已写入，未校验：无法读回对讲机。</translation>
    </message>
</context>
<context>
    <name>PortDoctor</name>
    <message>
        <source>Device %1: %2</source>
        <translation>设备 %1：%2</translation>
    </message>
    <message>
        <source>The device is not present: plug the programming cable in, or choose the COM that stands for it.</source>
        <translation>该设备不存在：请插上写频线，或选择对应写频线的 COM 端口。</translation>
    </message>
    <message>
        <source>Another program is using the port. Close it (or its connection to the port) and try again.</source>
        <translation>另一个程序正在使用该端口。请关闭该程序（或断开它与端口的连接）后重试。</translation>
    </message>
    <message>
        <source>Another program is using the port: %1. Close it (or its connection to the port) and try again.</source>
        <translation>另一个程序正在使用该端口：%1。请关闭该程序（或断开它与端口的连接）后重试。</translation>
    </message>
    <message>
        <source>Only members of the group %1 may open serial devices. Run
    sudo usermod -aG %1 %2
then log out and in again, so that the new group takes effect.</source>
        <translation>只有 %1 组的成员才能打开串口设备。请运行
    sudo usermod -aG %1 %2
然后注销并重新登录，使新的组生效。</translation>
    </message>
    <message>
        <source>This user may not open the port.</source>
        <translation>当前用户无权打开该端口。</translation>
    </message>
    <message>
        <source>No serial device stands for COM%1: plug the programming cable in, or choose the COM that stands for it.</source>
        <translation>COM%1 没有对应的串口设备：请插上写频线，或选择对应写频线的 COM 端口。</translation>
    </message>
    <message>
        <source>its maker&apos;s driver is installed</source>
        <translation>已安装厂家的驱动程序</translation>
    </message>
    <message>
        <source>The radio did not answer on %1. Check that:
- the cable&apos;s plug is pushed fully into the radio&apos;s jack;
- the radio is switched on;
- this COM is the cable&apos;s port (%2);
- the cable&apos;s adapter chip works on this computer (%3).</source>
        <translation>对讲机在 %1 上没有应答。请检查：
- 写频线插头已完全插入对讲机的插孔；
- 对讲机已开机；
- 此 COM 端口就是写频线的端口（%2）；
- 写频线的转换芯片能在本机上工作（%3）。</translation>
    </message>
    <message>
        <source>Something answered on %1, but not as a QV3N radio identifies itself: a radio of another kind, another device on this port, or a cable that echoes what it is sent.</source>
        <translation>%1 上有应答，但不是 QV3N 对讲机的识别应答：可能是其他型号的对讲机、该端口上的其他设备，或是会回显发送内容的写频线。</translation>
    </message>
    <message>
        <source>The radio on %1 answered and then stopped during the transfer: check that the cable is seated firmly and that the radio&apos;s battery is charged.</source>
        <translation>%1 上的对讲机应答后在传输中途停止了：请检查写频线是否插牢，以及对讲机电池是否有电。</translation>
    </message>
    <message>
        <source>COM%1 is %2</source>
        <translation>COM%1 为 %2</translation>
    </message>
    <message>
        <source>COM%1 is %2 (%3)</source>
        <translation>COM%1 为 %2（%3）</translation>
    </message>
    <message>
        <source>No serial device is present: the cable is not plugged in, or its adapter has no driver.</source>
        <translation>没有任何串口设备：写频线未插上，或其转换器没有驱动程序。</translation>
    </message>
    <message>
        <source>Serial devices present: %1.</source>
        <translation>现有的串口设备：%1。</translation>
    </message>
    <message>
        <source>%1 (process %2)</source>
        <translation>%1（进程 %2）</translation>
    </message>
    <message>
        <source>a program</source>
        <translation>某个程序</translation>
    </message>
</context>
<context>
    <name>VerifyReport</name>
    <message>
        <source>channel %1</source>
        <translation>信道 %1</translation>
    </message>
    <message>
        <source>frequency mode</source>
        <translation>频率模式</translation>
    </message>
    <message>
        <source>frequency range</source>
        <translation>工作频率范围</translation>
    </message>
    <message>
        <source>start-up text</source>
        <translation>开机文字</translation>
    </message>
    <message>
        <source>optional features</source>
        <translation>可选功能</translation>
    </message>
    <message>
        <source>FM presets</source>
        <translation>收音机频道</translation>
    </message>
    <message>
        <source>memory block %1</source>
        <translation>存储块 %1</translation>
    </message>
    <message>
        <source>, </source>
        <translation>、</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 等（另有 %n 处）</numerusform>
        </translation>
    </message>
    <message>
        <source>block %1 (%2) differs: sent %3, read back %4</source>
        <translation>数据块 %1（%2）不同：写入 %3，读回 %4</translation>
    </message>
</context>
</TS>
