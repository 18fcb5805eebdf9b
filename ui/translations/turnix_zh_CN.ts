<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>turnix::CameraSource</name>
    <message>
        <source>No camera was found. Connect a webcam, or read the cube from six photos instead (File ▸ Read Cube from Photos…).</source>
        <translation>未找到摄像头。请连接网络摄像头，或改为从六张照片读取魔方（文件 ▸ 从照片读取魔方…）。</translation>
    </message>
    <message>
        <source>The camera cannot be used: Qt Multimedia has no camera back-end on this system (on Debian, install gstreamer1.0-plugins-good).</source>
        <translation>无法使用摄像头：Qt Multimedia 在此系统上没有摄像头后端（在 Debian 上请安装 gstreamer1.0-plugins-good）。</translation>
    </message>
    <message>
        <source>The camera stopped: %1</source>
        <translation>摄像头已停止：%1</translation>
    </message>
</context>
<context>
    <name>turnix::CameraView</name>
    <message>
        <source>Starting the camera…</source>
        <translation>正在启动摄像头…</translation>
    </message>
</context>
<context>
    <name>turnix::ColorPalette</name>
    <message>
        <source>Colour %1: %2</source>
        <translation>颜色 %1：%2</translation>
    </message>
    <message>
        <source>%1, selected</source>
        <translation>%1，已选中</translation>
    </message>
    <message>
        <source>Key %1 paints with this colour</source>
        <translation>按 %1 键用此颜色涂色</translation>
    </message>
</context>
<context>
    <name>turnix::CoreTexts</name>
    <message>
        <source>Top</source>
        <translation>顶</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>底</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>前</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>后</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右</translation>
    </message>
    <message>
        <source>Top Side</source>
        <translation>顶面</translation>
    </message>
    <message>
        <source>Bottom Side</source>
        <translation>底面</translation>
    </message>
    <message>
        <source>Front Side</source>
        <translation>前面</translation>
    </message>
    <message>
        <source>Back Side</source>
        <translation>后面</translation>
    </message>
    <message>
        <source>Left Side</source>
        <translation>左面</translation>
    </message>
    <message>
        <source>Right Side</source>
        <translation>右面</translation>
    </message>
    <message>
        <source>Turn front side clockwise</source>
        <translation>将前面顺时针转动</translation>
    </message>
    <message>
        <source>Turn front side counterclockwise</source>
        <translation>将前面逆时针转动</translation>
    </message>
    <message>
        <source>Turn front side twice</source>
        <translation>将前面转动两次</translation>
    </message>
    <message>
        <source>Turn left side clockwise</source>
        <translation>将左面顺时针转动</translation>
    </message>
    <message>
        <source>Turn left side counterclockwise</source>
        <translation>将左面逆时针转动</translation>
    </message>
    <message>
        <source>Turn left side twice</source>
        <translation>将左面转动两次</translation>
    </message>
    <message>
        <source>Turn back side clockwise</source>
        <translation>将后面顺时针转动</translation>
    </message>
    <message>
        <source>Turn back side counterclockwise</source>
        <translation>将后面逆时针转动</translation>
    </message>
    <message>
        <source>Turn back side twice</source>
        <translation>将后面转动两次</translation>
    </message>
    <message>
        <source>Turn right side clockwise</source>
        <translation>将右面顺时针转动</translation>
    </message>
    <message>
        <source>Turn right side counterclockwise</source>
        <translation>将右面逆时针转动</translation>
    </message>
    <message>
        <source>Turn right side twice</source>
        <translation>将右面转动两次</translation>
    </message>
    <message>
        <source>Turn top side clockwise</source>
        <translation>将顶面顺时针转动</translation>
    </message>
    <message>
        <source>Turn top side counterclockwise</source>
        <translation>将顶面逆时针转动</translation>
    </message>
    <message>
        <source>Turn top side twice</source>
        <translation>将顶面转动两次</translation>
    </message>
    <message>
        <source>Turn bottom side clockwise</source>
        <translation>将底面顺时针转动</translation>
    </message>
    <message>
        <source>Turn bottom side counterclockwise</source>
        <translation>将底面逆时针转动</translation>
    </message>
    <message>
        <source>Turn bottom side twice</source>
        <translation>将底面转动两次</translation>
    </message>
    <message>
        <source>Rotate cube up (front side becomes top side)</source>
        <translation>将整个魔方向上翻转（前面变为顶面）</translation>
    </message>
    <message>
        <source>Rotate cube down (front side becomes bottom side)</source>
        <translation>将整个魔方向下翻转（前面变为底面）</translation>
    </message>
    <message>
        <source>Rotate cube left (front side becomes left side)</source>
        <translation>将整个魔方向左转动（前面变为左面）</translation>
    </message>
    <message>
        <source>Rotate cube right (front side becomes right side)</source>
        <translation>将整个魔方向右转动（前面变为右面）</translation>
    </message>
    <message>
        <source>Top edges</source>
        <translation>顶层棱块</translation>
    </message>
    <message>
        <source>Top corners</source>
        <translation>顶层角块</translation>
    </message>
    <message>
        <source>Middle edges</source>
        <translation>中层棱块</translation>
    </message>
    <message>
        <source>Bottom corners</source>
        <translation>底层角块</translation>
    </message>
    <message>
        <source>Bottom edges</source>
        <translation>底层棱块</translation>
    </message>
    <message>
        <source>White</source>
        <translation>白色</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>黄色</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>绿色</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>蓝色</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>红色</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>橙色</translation>
    </message>
    <message>
        <source>clockwise</source>
        <translation>顺时针</translation>
    </message>
    <message>
        <source>counterclockwise</source>
        <translation>逆时针</translation>
    </message>
    <message>
        <source>twice</source>
        <translation>两次</translation>
    </message>
    <message>
        <source>%1 cannot be opened</source>
        <translation>无法打开 %1</translation>
    </message>
    <message>
        <source>%1 is a folder, not an image</source>
        <translation>%1 是文件夹，不是图片</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 不是文件</translation>
    </message>
    <message>
        <source>%1 is too large (%2)</source>
        <translation>%1 太大（%2）</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>无法读取 %1</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 是空的</translation>
    </message>
    <message>
        <source>%1 is not an image</source>
        <translation>%1 不是图片</translation>
    </message>
    <message>
        <source>%1 is cut short</source>
        <translation>%1 不完整</translation>
    </message>
    <message>
        <source>%1 is damaged</source>
        <translation>%1 已损坏</translation>
    </message>
    <message>
        <source>no 3×3 grid found in %1</source>
        <translation>在 %1 中未找到 3×3 网格</translation>
    </message>
    <message>
        <source>A cube is read from six photos, one of each side; 1 was given.</source>
        <translation>魔方需从六张照片读取，每面一张；当前只提供了 1 张。</translation>
    </message>
    <message>
        <source>A cube is read from six photos, one of each side; %1 were given.</source>
        <translation>魔方需从六张照片读取，每面一张；当前提供了 %1 张。</translation>
    </message>
    <message>
        <source>Photo %1 gives no colour for square %2.</source>
        <translation>照片 %1 没有给出方块 %2 的颜色。</translation>
    </message>
    <message>
        <source>Photos %1 and %2 show the same side: their centres have one colour. Each photo must show a different side.</source>
        <translation>照片 %1 和 %2 拍的是同一面：它们的中心块颜色相同。每张照片必须拍不同的面。</translation>
    </message>
    <message>
        <source>position %1: %2 is not one of the letters U R F D L B</source>
        <translation>第 %1 位：%2 不是字母 U R F D L B 之一</translation>
    </message>
    <message>
        <source>a facelet string has 54 letters, this one has %1</source>
        <translation>色块字符串应有 54 个字母，此字符串有 %1 个</translation>
    </message>
    <message>
        <source>Invalid Cube Configuration</source>
        <translation>魔方配置无效</translation>
    </message>
    <message>
        <source>Cube is already complete</source>
        <translation>魔方已经还原</translation>
    </message>
</context>
<context>
    <name>turnix::CubeFiles</name>
    <message>
        <source>Cube File (*.cub)</source>
        <translation>魔方文件 (*.cub)</translation>
    </message>
    <message>
        <source>No such file</source>
        <translation>文件不存在</translation>
    </message>
    <message>
        <source>Is a folder</source>
        <translation>这是一个文件夹</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>不是普通文件</translation>
    </message>
    <message>
        <source>Open Configuration</source>
        <translation>打开配置</translation>
    </message>
    <message>
        <source>Cannot read the file</source>
        <translation>无法读取该文件</translation>
    </message>
    <message>
        <source>The file could not be opened.

%1: %2</source>
        <translation>无法打开该文件。

%1：%2</translation>
    </message>
    <message>
        <source>Save Configuration</source>
        <translation>保存配置</translation>
    </message>
</context>
<context>
    <name>turnix::CubeFrame</name>
    <message>
        <source>from behind</source>
        <translation>从后面看</translation>
    </message>
</context>
<context>
    <name>turnix::CubeView3D</name>
    <message>
        <source>3-D cube</source>
        <translation>三维魔方</translation>
    </message>
    <message>
        <source>Drag to turn the view; double-click for the usual view</source>
        <translation>拖动以转动视图；双击恢复常规视图</translation>
    </message>
</context>
<context>
    <name>turnix::EditHistory</name>
    <message>
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>重做(&amp;R)</translation>
    </message>
</context>
<context>
    <name>turnix::EditWords</name>
    <message>
        <source>Pick Color</source>
        <translation>选择颜色</translation>
    </message>
    <message>
        <source>Paint</source>
        <translation>涂色</translation>
    </message>
    <message>
        <source>New Configuration</source>
        <translation>新建配置</translation>
    </message>
    <message>
        <source>Open Configuration</source>
        <translation>打开配置</translation>
    </message>
    <message>
        <source>Paste Facelets</source>
        <translation>粘贴色块</translation>
    </message>
    <message>
        <source>Read Cube</source>
        <translation>读取魔方</translation>
    </message>
    <message>
        <source>Turn Back %1 Side</source>
        <translation>转回%1面</translation>
    </message>
    <message>
        <source>Change Square</source>
        <translation>更改方块</translation>
    </message>
    <message>
        <source>Clockwise</source>
        <translation>顺时针</translation>
    </message>
    <message>
        <source>Counterclockwise</source>
        <translation>逆时针</translation>
    </message>
    <message>
        <source>Twice</source>
        <translation>两次</translation>
    </message>
    <message>
        <source>Turn %1 Side %2</source>
        <translation>转动%1面：%2</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>向左</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>向右</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>向上</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>向下</translation>
    </message>
    <message>
        <source>Rotate Cube %1</source>
        <translation>转动整个魔方：%1</translation>
    </message>
    <message>
        <source>Apply Turns</source>
        <translation>应用转动</translation>
    </message>
</context>
<context>
    <name>turnix::EntryChecks</name>
    <message>
        <source>Turn It Back</source>
        <translation>转回</translation>
    </message>
    <message>
        <source>Turn the %1 side&apos;s outer squares back</source>
        <translation>将%1面的外圈方块转回</translation>
    </message>
    <message>
        <source>1 square to check; it wears a ? in the net:</source>
        <translation>有 1 个方块需要检查；它在展开图中标有 ?：</translation>
    </message>
    <message>
        <source>%1 squares to check; each wears a ? in the net:</source>
        <translation>有 %1 个方块需要检查；每个在展开图中标有 ?：</translation>
    </message>
    <message>
        <source>Make the %1 %2</source>
        <translation>将%1设为%2</translation>
    </message>
    <message>
        <source>top left</source>
        <translation>左上</translation>
    </message>
    <message>
        <source>top</source>
        <translation>上</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>右上</translation>
    </message>
    <message>
        <source>left</source>
        <translation>左</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>中心</translation>
    </message>
    <message>
        <source>right</source>
        <translation>右</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>左下</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>下</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>右下</translation>
    </message>
    <message>
        <source>%1 side, %2 square</source>
        <translation>%1面，%2方块</translation>
    </message>
    <message>
        <source>the other colour</source>
        <translation>另一种颜色</translation>
    </message>
</context>
<context>
    <name>turnix::FaceletClipboard</name>
    <message>
        <source>The cube cannot be copied as facelets: a square of the %1 side shows none of the six colours.</source>
        <translation>无法将魔方复制为色块：%1面有一个方块不是六种颜色中的任何一种。</translation>
    </message>
    <message>
        <source>The clipboard holds no facelet string.

</source>
        <translation>剪贴板中没有色块字符串。

</translation>
    </message>
</context>
<context>
    <name>turnix::FileSavingWords</name>
    <message>
        <source>The file could not be saved.

%1: %2</source>
        <translation>无法保存文件。

%1：%2</translation>
    </message>
</context>
<context>
    <name>turnix::FindingTexts</name>
    <message>
        <source>The %1 colour</source>
        <translation>%1面的颜色</translation>
    </message>
    <message>
        <source>%1 has 1 square; it should have 9.</source>
        <translation>%1只有 1 个方块；应为 9 个。</translation>
    </message>
    <message>
        <source>%1 has %2 squares; it should have 9.</source>
        <translation>%1有 %2 个方块；应为 9 个。</translation>
    </message>
    <message>
        <source>The corner at %1, %2, %3 shows three colours that no corner has.</source>
        <translation>位于%1、%2、%3的角块显示的三种颜色不属于任何角块。</translation>
    </message>
    <message>
        <source>The edge between %1 and %2 shows two colours that no edge has.</source>
        <translation>位于%1和%2之间的棱块显示的两种颜色不属于任何棱块。</translation>
    </message>
    <message>
        <source>The corner at %1, %2, %3 is also at %4, %5, %6.</source>
        <translation>位于%1、%2、%3的角块也出现在%4、%5、%6。</translation>
    </message>
    <message>
        <source>The edge between %1 and %2 is also between %3 and %4.</source>
        <translation>位于%1和%2之间的棱块也出现在%3和%4之间。</translation>
    </message>
    <message>
        <source>The centres do not show the six colours, one each.</source>
        <translation>六个中心块没有各显示一种不同的颜色。</translation>
    </message>
    <message>
        <source>One square shows a colour that is on no centre.</source>
        <translation>有 1 个方块的颜色不在任何中心块上。</translation>
    </message>
    <message>
        <source>%1 squares show colours that are on no centre.</source>
        <translation>有 %1 个方块的颜色不在任何中心块上。</translation>
    </message>
    <message>
        <source>One corner is twisted in place.</source>
        <translation>有一个角块在原位被扭转。</translation>
    </message>
    <message>
        <source>One edge is flipped.</source>
        <translation>有一个棱块被翻转。</translation>
    </message>
    <message>
        <source>Two pieces are swapped.</source>
        <translation>有两个块被互换。</translation>
    </message>
    <message>
        <source>Ready to solve</source>
        <translation>可以求解</translation>
    </message>
    <message>
        <source>The %1 side looks entered turned a quarter counterclockwise.</source>
        <translation>%1面似乎是逆时针转了四分之一圈后输入的。</translation>
    </message>
    <message>
        <source>The %1 side looks entered turned half round.</source>
        <translation>%1面似乎是转了半圈后输入的。</translation>
    </message>
    <message>
        <source>The %1 side looks entered turned a quarter clockwise.</source>
        <translation>%1面似乎是顺时针转了四分之一圈后输入的。</translation>
    </message>
</context>
<context>
    <name>turnix::MainActions</name>
    <message>
        <source>&amp;Top</source>
        <translation>顶(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Bottom</source>
        <translation>底(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Front</source>
        <translation>前(&amp;F)</translation>
    </message>
    <message>
        <source>B&amp;ack</source>
        <translation>后(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation>左(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Right</source>
        <translation>右(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Clockwise</source>
        <translation>顺时针(&amp;C)</translation>
    </message>
    <message>
        <source>Co&amp;unterclockwise</source>
        <translation>逆时针(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Twice</source>
        <translation>两次(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>向上(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>向下(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>视图(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New Configuration</source>
        <translation>新建配置(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Open Configuration</source>
        <translation>打开配置(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Save Configuration</source>
        <translation>保存配置(&amp;S)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Copy Facelets</source>
        <translation>复制色块(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste Facelets</source>
        <translation>粘贴色块(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Cube</source>
        <translation>魔方(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Solve</source>
        <translation>求解(&amp;S)</translation>
    </message>
    <message>
        <source>Solve in &amp;Fewest Turns</source>
        <translation>以最少步数求解(&amp;F)</translation>
    </message>
    <message>
        <source>Step &amp;Back</source>
        <translation>后退一步(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Rotate</source>
        <translation>整体转动(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Define Colors</source>
        <translation>定义颜色(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Side</source>
        <translation>面(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>显示(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Turn</source>
        <translation>转动(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>说明(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;About Turnix</source>
        <translation>关于 Turnix(&amp;A)</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>工具栏</translation>
    </message>
    <message>
        <source>Open Configuration</source>
        <translation>打开配置</translation>
    </message>
    <message>
        <source>Save Configuration</source>
        <translation>保存配置</translation>
    </message>
    <message>
        <source>Show %1 Side</source>
        <translation>显示%1面</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>求解</translation>
    </message>
    <message>
        <source>Step Back</source>
        <translation>后退一步</translation>
    </message>
    <message>
        <source>Apply &amp;Turns…</source>
        <translation>应用转动(&amp;T)…</translation>
    </message>
    <message>
        <source>Solve &amp;Optimally</source>
        <translation>最优求解(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Clear Steps</source>
        <translation>清除步骤(&amp;L)</translation>
    </message>
</context>
<context>
    <name>turnix::MainControls</name>
    <message>
        <source>Front Side</source>
        <translation>前面</translation>
    </message>
    <message>
        <source>Click to change color</source>
        <translation>单击以更改颜色</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>顶</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>底</translation>
    </message>
    <message>
        <source>Solution Steps</source>
        <translation>解法步骤</translation>
    </message>
    <message>
        <source>One Step</source>
        <translation>单步</translation>
    </message>
    <message>
        <source>Steps To Completion</source>
        <translation>剩余步骤</translation>
    </message>
    <message>
        <source>Previous Steps</source>
        <translation>已完成步骤</translation>
    </message>
    <message>
        <source>Clear  Steps</source>
        <translation>清除步骤</translation>
    </message>
    <message>
        <source>Whole Cube</source>
        <translation>整个魔方</translation>
    </message>
    <message>
        <source>&amp;Whole Cube</source>
        <translation>整个魔方(&amp;W)</translation>
    </message>
    <message>
        <source>Next turn: %1 (facing away), %2</source>
        <translation>下一步：%1（背向您），%2</translation>
    </message>
</context>
<context>
    <name>turnix::PhotoReadingController</name>
    <message>
        <source>Read Cube from &amp;Photos…</source>
        <translation>从照片读取魔方(&amp;P)…</translation>
    </message>
    <message>
        <source>Scan with &amp;Camera…</source>
        <translation>用摄像头扫描(&amp;C)…</translation>
    </message>
    <message>
        <source>Read Cube from Photos</source>
        <translation>从照片读取魔方</translation>
    </message>
    <message>
        <source>Photos (*.jpg *.jpeg *.png *.bmp *.webp)</source>
        <translation>照片 (*.jpg *.jpeg *.png *.bmp *.webp)</translation>
    </message>
    <message>
        <source>The cube could not be read from the photos.

</source>
        <translation>无法从照片中读取魔方。

</translation>
    </message>
</context>
<context>
    <name>turnix::PhotoReadingWords</name>
    <message>
        <source>Choose six photos, one of each side of the cube; 1 was chosen.</source>
        <translation>请选择六张照片，魔方每面一张；当前选择了 1 张。</translation>
    </message>
    <message>
        <source>Choose six photos, one of each side of the cube; %1 were chosen.</source>
        <translation>请选择六张照片，魔方每面一张；当前选择了 %1 张。</translation>
    </message>
</context>
<context>
    <name>turnix::PrintingWords</name>
    <message>
        <source>No printer is installed, and no other output can be used.</source>
        <translation>未安装打印机，也没有其他可用的输出方式。</translation>
    </message>
    <message>
        <source>The chosen printer cannot be used.</source>
        <translation>无法使用所选打印机。</translation>
    </message>
</context>
<context>
    <name>turnix::ProgramArguments</name>
    <message>
        <source>Solve a real 3x3x3 cube puzzle one step at a time: enter the colours of a scrambled cube, then replay the side turns that solve it.</source>
        <translation>一步一步还原真实的 3x3x3 魔方：输入打乱魔方的颜色，然后按步骤重现还原它的各面转动。</translation>
    </message>
    <message>
        <source>A cube configuration file to open.</source>
        <translation>要打开的魔方配置文件。</translation>
    </message>
    <message>
        <source>Usage: %1 [FILE.cub]
Try &apos;%1 --help&apos;.
</source>
        <translation>用法：%1 [文件.cub]
请尝试“%1 --help”。
</translation>
    </message>
    <message>
        <source>one cube file at a time, not %1
</source>
        <translation>一次只能打开一个魔方文件，而不是 %1 个
</translation>
    </message>
</context>
<context>
    <name>turnix::RecentFilesMenu</name>
    <message>
        <source>Open &amp;Recent</source>
        <translation>最近打开(&amp;R)</translation>
    </message>
    <message>
        <source>Clear Menu</source>
        <translation>清除菜单</translation>
    </message>
</context>
<context>
    <name>turnix::SideLettersMenu</name>
    <message>
        <source>Show Side &amp;Letters</source>
        <translation>显示面字母(&amp;L)</translation>
    </message>
    <message>
        <source>Letters &amp;Name</source>
        <translation>字母含义(&amp;N)</translation>
    </message>
    <message>
        <source>The Colour&apos;s &amp;Side (U R F D L B)</source>
        <translation>颜色所在的面(&amp;S)（U R F D L B）</translation>
    </message>
    <message>
        <source>The Colour&apos;s &amp;Initial</source>
        <translation>颜色的首字(&amp;I)</translation>
    </message>
</context>
<context>
    <name>turnix::SolutionStatusBar</name>
    <message>
        <source>Step %1 of %2 — next: %3</source>
        <translation>第 %1 步，共 %2 步 — 下一步：%3</translation>
    </message>
    <message>
        <source>Solved in 1 step</source>
        <translation>1 步完成</translation>
    </message>
    <message>
        <source>Solved in %1 steps</source>
        <translation>%1 步完成</translation>
    </message>
    <message>
        <source>Fewest turns</source>
        <translation>最少步数</translation>
    </message>
    <message>
        <source>Layer by layer</source>
        <translation>逐层求解</translation>
    </message>
    <message>
        <source>Optimal</source>
        <translation>最优</translation>
    </message>
</context>
<context>
    <name>turnix::SquareTexts</name>
    <message>
        <source>W</source>
        <comment>initial of White</comment>
        <translation>白</translation>
    </message>
    <message>
        <source>Y</source>
        <comment>initial of Yellow</comment>
        <translation>黄</translation>
    </message>
    <message>
        <source>G</source>
        <comment>initial of Green</comment>
        <translation>绿</translation>
    </message>
    <message>
        <source>B</source>
        <comment>initial of Blue</comment>
        <translation>蓝</translation>
    </message>
    <message>
        <source>R</source>
        <comment>initial of Red</comment>
        <translation>红</translation>
    </message>
    <message>
        <source>O</source>
        <comment>initial of Orange</comment>
        <translation>橙</translation>
    </message>
    <message>
        <source>no colour</source>
        <translation>无颜色</translation>
    </message>
    <message>
        <source>colour %1</source>
        <translation>颜色 %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>Colour %1 of 6</source>
        <translation>第 %1 种颜色（共 6 种）</translation>
    </message>
    <message>
        <source>A colour the cube cannot have</source>
        <translation>魔方不可能有的颜色</translation>
    </message>
</context>
<context>
    <name>turnix::StepsPrinterWords</name>
    <message>
        <source>Page %1</source>
        <translation>第 %1 页</translation>
    </message>
</context>
<context>
    <name>turnix::View3DController</name>
    <message>
        <source>3-D Cube</source>
        <translation>三维魔方</translation>
    </message>
    <message>
        <source>&amp;3-D Cube</source>
        <translation>三维魔方(&amp;3)</translation>
    </message>
    <message>
        <source>Turn &amp;Speed</source>
        <translation>转动速度(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>播放(&amp;P)</translation>
    </message>
    <message>
        <source>Play the steps (Space)</source>
        <translation>播放步骤（空格键）</translation>
    </message>
    <message>
        <source>&amp;Slow</source>
        <translation>慢(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>正常(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <translation>快(&amp;F)</translation>
    </message>
    <message>
        <source>No &amp;Animation</source>
        <translation>无动画(&amp;A)</translation>
    </message>
</context>
<context>
    <name>turnix::View3DPanel</name>
    <message>
        <source>Hold the cube with its front side facing you and its top side up</source>
        <translation>拿住魔方，让前面朝向您，顶面朝上</translation>
    </message>
    <message>
        <source>Hold the cube with %1 facing you and %2 on top</source>
        <translation>拿住魔方，让%1面朝向您，%2在上</translation>
    </message>
    <message>
        <source>Turn the %1 %2 (it faces away: see the view from behind)</source>
        <translation>将%1%2转动（它背向您：请看后视图）</translation>
    </message>
</context>
<context>
    <name>turnix::frmAbout</name>
    <message>
        <source>This program is provided as is, without warranty of any kind. If you pass it on, please pass on the whole program together with its instructions.</source>
        <translation>本程序按原样提供，不附带任何形式的担保。如需转发，请连同说明一起转发整个程序。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>系统信息(&amp;S)...</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>系统信息当前不可用</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>版本 %1.%2.%3</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>关于 %1</translation>
    </message>
    <message>
        <source>Finds the turns that solve your scrambled 3×3×3 cube and shows them one step at a time.</source>
        <translation>找出能还原您打乱的 3×3×3 魔方的转动，并逐步展示。</translation>
    </message>
</context>
<context>
    <name>turnix::frmApplyTurns</name>
    <message>
        <source>Apply Turns</source>
        <translation>应用转动</translation>
    </message>
    <message>
        <source>&amp;Turns, such as a written scramble: U D F B L R, each alone, with &apos; or with 2; x y z turn the whole cube.</source>
        <translation>转动(&amp;T)，例如写下的打乱公式：U D F B L R，单独使用，或加 &apos; 或 2；x y z 转动整个魔方。</translation>
    </message>
    <message>
        <source>R U2 F&apos; …</source>
        <translation>R U2 F&apos; …</translation>
    </message>
    <message>
        <source>“%1” at position %2 is not a turn. Nothing was applied.</source>
        <translation>位置 %2 处的“%1”不是转动。未做任何更改。</translation>
    </message>
</context>
<context>
    <name>turnix::frmChooseReading</name>
    <message>
        <source>Choose the Cube</source>
        <translation>选择魔方</translation>
    </message>
    <message>
        <source>More than one cube fits the photos. Choose the one that matches your cube: its squares that differ from the first are marked.</source>
        <translation>有多个魔方与照片相符。请选择与您的魔方一致的那个：与第一个不同的方块已被标出。</translation>
    </message>
    <message>
        <source>Cube &amp;1 (likeliest)</source>
        <translation>魔方 1（最可能）(&amp;1)</translation>
    </message>
    <message>
        <source>Cube &amp;%1</source>
        <translation>魔方 &amp;%1</translation>
    </message>
</context>
<context>
    <name>turnix::frmDefineColors</name>
    <message>
        <source>Define Colors</source>
        <translation>定义颜色</translation>
    </message>
    <message>
        <source>Color %1:</source>
        <translation>颜色 %1：</translation>
    </message>
    <message>
        <source>Click to choose this color</source>
        <translation>单击以选择此颜色</translation>
    </message>
    <message>
        <source>Defaults</source>
        <translation>默认值</translation>
    </message>
    <message>
        <source>Standard Cube Colours</source>
        <translation>标准魔方配色</translation>
    </message>
    <message>
        <source>White on top, yellow below, green in front, blue behind, orange on the left and red on the right, as on cubes sold today</source>
        <translation>白色在上、黄色在下、绿色在前、蓝色在后、橙色在左、红色在右，与现今出售的魔方一致</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Error: All colors must be unique</source>
        <translation>错误：所有颜色必须互不相同</translation>
    </message>
</context>
<context>
    <name>turnix::frmInstructions</name>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>The instructions file &quot;%1&quot; cannot be opened.</source>
        <translation>无法打开说明文件“%1”。</translation>
    </message>
    <message>
        <source>The instructions file &quot;%1&quot; is too large to show.</source>
        <translation>说明文件“%1”太大，无法显示。</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>说明</translation>
    </message>
</context>
<context>
    <name>turnix::frmOptimalProgress</name>
    <message>
        <source>Solve Optimally</source>
        <translation>最优求解</translation>
    </message>
    <message>
        <source>Loading the table…</source>
        <translation>正在加载表…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Making the table, once: %1%</source>
        <translation>正在生成表（仅此一次）：%1%</translation>
    </message>
    <message>
        <source>depth %1 searched</source>
        <translation>已搜索深度 %1</translation>
    </message>
    <message>
        <source>%1, best %2 so far</source>
        <translation>%1，目前最佳 %2</translation>
    </message>
    <message>
        <source> — stopping…</source>
        <translation> — 正在停止…</translation>
    </message>
    <message>
        <source>The optimal solver needs %1 MB of memory for its table, and only %2 MB are free.

Solve in fewest turns instead?</source>
        <translation>最优求解器的表需要 %1 MB 内存，而可用内存只有 %2 MB。

改为以最少步数求解？</translation>
    </message>
</context>
<context>
    <name>turnix::frmPickColor</name>
    <message>
        <source>Pick a Color</source>
        <translation>选择颜色</translation>
    </message>
    <message>
        <source>Click to select, double-click to choose at once</source>
        <translation>单击以选中，双击立即选定</translation>
    </message>
    <message>
        <source>Color %1</source>
        <translation>颜色 %1</translation>
    </message>
    <message>
        <source>Current Color:</source>
        <translation>当前颜色：</translation>
    </message>
    <message>
        <source>Current Color</source>
        <translation>当前颜色</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>turnix::frmScanCamera</name>
    <message>
        <source>Scan with Camera</source>
        <translation>用摄像头扫描</translation>
    </message>
    <message>
        <source>How to hold the cube</source>
        <translation>如何握持魔方</translation>
    </message>
    <message>
        <source>Hold one side of the cube square to the camera, filling about a third of the picture, and keep it still until its grid turns green. Then turn the cube to show the next side. The sides may come in any order and any way up; the first becomes the front, its top edge the top.</source>
        <translation>将魔方的一面正对摄像头，约占画面的三分之一，保持不动直到其网格变绿。然后转动魔方展示下一面。各面可以任意顺序、任意朝向出现；第一面成为前面，其上边缘为顶部。</translation>
    </message>
    <message>
        <source>&amp;Start Over</source>
        <translation>重新开始(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Use This Cube</source>
        <translation>使用此魔方(&amp;U)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>All six sides taken. Choose Use This Cube.</source>
        <translation>六个面已全部拍摄。请选择“使用此魔方”。</translation>
    </message>
    <message>
        <source>%1 of 6 sides taken.</source>
        <translation>已拍摄 %1/6 个面。</translation>
    </message>
    <message>
        <source> That side was taken already: show another.</source>
        <translation> 这一面已拍摄过：请展示另一面。</translation>
    </message>
    <message>
        <source> Choose Start Over and show the sides again.</source>
        <translation> 请选择“重新开始”并重新展示各面。</translation>
    </message>
</context>
<context>
    <name>turnix::frmSolutionSteps</name>
    <message>
        <source>Solution Steps</source>
        <translation>解法步骤</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>Save Completion Steps</source>
        <translation>保存步骤</translation>
    </message>
    <message>
        <source>Text File (*.txt)</source>
        <translation>文本文件 (*.txt)</translation>
    </message>
    <message>
        <source>The printer or the output file could not be written.</source>
        <translation>无法写入打印机或输出文件。</translation>
    </message>
    <message>
        <source>The steps could not be printed.</source>
        <translation>无法打印这些步骤。</translation>
    </message>
</context>
<context>
    <name>turnix::frmTurnix</name>
    <message>
        <source>Steps to Completion</source>
        <translation>剩余步骤</translation>
    </message>
    <message>
        <source>Previous Steps</source>
        <translation>已完成步骤</translation>
    </message>
</context>
</TS>
