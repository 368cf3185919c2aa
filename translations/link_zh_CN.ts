<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>FleetRadio</name>
    <message>
        <source>waiting</source>
        <translation>等待中</translation>
    </message>
    <message>
        <source>backing up</source>
        <translation>正在备份</translation>
    </message>
    <message>
        <source>writing</source>
        <translation>正在写入</translation>
    </message>
    <message>
        <source>verifying</source>
        <translation>正在校验</translation>
    </message>
    <message>
        <source>done ✓</source>
        <translation>完成 ✓</translation>
    </message>
    <message>
        <source>failed ✗</source>
        <translation>失败 ✗</translation>
    </message>
    <message>
        <source>The port could not be opened: %1</source>
        <translation>无法打开端口：%1</translation>
    </message>
    <message>
        <source>This radio uses memory format %1: program it with a channel file made for that format.</source>
        <translation>这台对讲机使用存储格式 %1：请用该格式的信道参数文件为它编程。</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1（%2）</translation>
    </message>
    <message numerus="yes">
        <source>%1; and %n more block(s)</source>
        <translation>
            <numerusform>%1；另有 %n 个数据块</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FleetReport</name>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>无法创建文件夹 %1。</translation>
    </message>
    <message>
        <source>line %1 is not a CSV row</source>
        <translation>第 %1 行不是 CSV 行</translation>
    </message>
</context>
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
    <name>PortDirectory</name>
    <message>
        <source>the cable with serial number %1</source>
        <translation>序列号为 %1 的写频线</translation>
    </message>
    <message>
        <source>the cable %1</source>
        <translation>写频线 %1</translation>
    </message>
    <message>
        <source>%1, USB %2</source>
        <translation>%1，USB %2</translation>
    </message>
    <message>
        <source>USB %1</source>
        <translation>USB %1</translation>
    </message>
    <message>
        <source>no serial number</source>
        <translation>无序列号</translation>
    </message>
    <message>
        <source>serial number %1</source>
        <translation>序列号 %1</translation>
    </message>
    <message>
        <source>a pseudo-terminal</source>
        <translation>伪终端</translation>
    </message>
    <message>
        <source>named by QV3N_COM%1</source>
        <translation>由 QV3N_COM%1 指定</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the details of a serial device</comment>
        <translation>，</translation>
    </message>
    <message>
        <source>(no device: %1, kept for COM%2, is not plugged in)</source>
        <translation>（无设备：为 COM%2 保留的%1 未插上）</translation>
    </message>
    <message>
        <source>(no device present)</source>
        <translation>（无设备）</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1（%2）</translation>
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
    <message>
        <source>brltty, the braille display service, has taken the cable: it takes devices that share their USB ids with some braille displays. Braille displays keep working when brltty leaves only this kind of device alone:
    sudo sh -c &quot;grep -v &apos;%1&apos; /usr/lib/udev/rules.d/85-brltty.rules &gt; /etc/udev/rules.d/85-brltty.rules&quot;
    sudo udevadm control --reload
then unplug the cable and plug it in again.</source>
        <translation>盲文显示服务 brltty 占用了这根写频线：它会占用与某些盲文显示器 USB 标识相同的设备。只让 brltty 不理会这一种设备，盲文显示器仍可照常使用：
    sudo sh -c &quot;grep -v &apos;%1&apos; /usr/lib/udev/rules.d/85-brltty.rules &gt; /etc/udev/rules.d/85-brltty.rules&quot;
    sudo udevadm control --reload
然后拔下写频线再重新插上。</translation>
    </message>
    <message>
        <source>ModemManager is trying the cable as if it were a modem; it lets go within half a minute, so try again then. The installed package&apos;s rule tells ModemManager to leave programming cables alone; for a cable it does not know, stop ModemManager while you program radios:
    sudo systemctl stop ModemManager</source>
        <translation>ModemManager 正把写频线当作调制解调器进行探测，半分钟内会释放端口，请届时重试。已安装的软件包中的规则会让 ModemManager 不去碰写频线；对规则不认识的写频线，请在写频期间停止 ModemManager：
    sudo systemctl stop ModemManager</translation>
    </message>
    <message>
        <source>No serial device stands for COM%1: the cable kept for it is not plugged in (%2). Plug it in, or choose the COM that stands for the cable you use.</source>
        <translation>COM%1 没有对应的串口设备：为它保留的写频线未插上（%2）。请插上该写频线，或选择对应您所用写频线的 COM 端口。</translation>
    </message>
    <message>
        <source>The radio on %1 answered, but noise on the line kept adding bytes to its answers, so the program could not be sure of them: check that the cable is seated firmly, keep it away from transmitting antennas and power supplies, and try another USB socket.</source>
        <translation>%1 上的对讲机有应答，但线路上的干扰不断在应答中混入多余的字节，程序无法确认数据无误：请检查写频线是否插牢，让它远离正在发射的天线和电源，并换一个 USB 插口试试。</translation>
    </message>
    <message>
        <source>Prolific PL2303 chips of the older kinds (HXA, XA) and counterfeit ones lose bytes or are refused by Prolific&apos;s current drivers (on Windows the port then shows code 10): a cable with a WCH CH340, Silicon Labs CP210x, FTDI or current PL2303 (GC, GS, GT) chip avoids that.</source>
        <translation>旧型号（HXA、XA）和仿冒的 Prolific PL2303 芯片会丢失字节，或被 Prolific 现行驱动拒绝（在 Windows 上端口会显示代码 10）：改用 WCH CH340、Silicon Labs CP210x、FTDI 或现行 PL2303（GC、GS、GT）芯片的写频线即可避免。</translation>
    </message>
    <message>
        <source>This FTDI chip reports the product id 0000: a counterfeit chip that an FTDI driver has disabled. Use another cable.</source>
        <translation>这个 FTDI 芯片报告的产品标识为 0000：这是被 FTDI 驱动停用的仿冒芯片。请换一根写频线。</translation>
    </message>
    <message>
        <source>The system&apos;s driver refuses it: an old or counterfeit chip. A cable with a current chip works.</source>
        <translation>系统驱动拒绝了它：这是旧型号或仿冒的芯片。换用现行芯片的写频线即可。</translation>
    </message>
    <message>
        <source>Its driver is missing, or refused it.</source>
        <translation>缺少它的驱动程序，或驱动拒绝了它。</translation>
    </message>
    <message>
        <source>The radio did not answer on %1. Check that:
- the cable&apos;s plug is pushed fully into the radio&apos;s jack;
- the radio is switched on;
- the port chosen is the programming cable&apos;s (the serial devices present are listed below);
- the driver of the cable&apos;s adapter chip is installed.</source>
        <translation>对讲机在 %1 上没有应答。请检查：
- 写频线插头已完全插入对讲机的插孔；
- 对讲机已开机；
- 所选端口就是写频线的端口（现有的串口设备列在下面）；
- 写频线转换芯片的驱动程序已安装。</translation>
    </message>
    <message>
        <source>A cable&apos;s %1 chip (USB %2) is plugged in, but the system made no serial device of it.</source>
        <translation>已插上写频线的 %1 芯片（USB %2），但系统没有为它建立串口设备。</translation>
    </message>
    <message>
        <source>; </source>
        <comment>between the serial devices present</comment>
        <translation>；</translation>
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
