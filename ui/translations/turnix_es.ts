<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>turnix::CameraSource</name>
    <message>
        <source>No camera was found. Connect a webcam, or read the cube from six photos instead (File ▸ Read Cube from Photos…).</source>
        <translation>No se encontró ninguna cámara. Conecte una webcam o lea el cubo a partir de seis fotos (Archivo ▸ Leer cubo desde fotos…).</translation>
    </message>
    <message>
        <source>The camera cannot be used: Qt Multimedia has no camera back-end on this system (on Debian, install gstreamer1.0-plugins-good).</source>
        <translation>No se puede usar la cámara: Qt Multimedia no tiene un módulo de cámara en este sistema (en Debian, instale gstreamer1.0-plugins-good).</translation>
    </message>
    <message>
        <source>The camera stopped: %1</source>
        <translation>La cámara se detuvo: %1</translation>
    </message>
</context>
<context>
    <name>turnix::CameraView</name>
    <message>
        <source>Starting the camera…</source>
        <translation>Iniciando la cámara…</translation>
    </message>
</context>
<context>
    <name>turnix::ColorPalette</name>
    <message>
        <source>Colour %1: %2</source>
        <translation>Color %1: %2</translation>
    </message>
    <message>
        <source>%1, selected</source>
        <translation>%1, seleccionado</translation>
    </message>
    <message>
        <source>Key %1 paints with this colour</source>
        <translation>La tecla %1 pinta con este color</translation>
    </message>
</context>
<context>
    <name>turnix::CoreTexts</name>
    <message>
        <source>Top</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>Frente</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Top Side</source>
        <translation>Cara superior</translation>
    </message>
    <message>
        <source>Bottom Side</source>
        <translation>Cara inferior</translation>
    </message>
    <message>
        <source>Front Side</source>
        <translation>Cara frontal</translation>
    </message>
    <message>
        <source>Back Side</source>
        <translation>Cara trasera</translation>
    </message>
    <message>
        <source>Left Side</source>
        <translation>Cara izquierda</translation>
    </message>
    <message>
        <source>Right Side</source>
        <translation>Cara derecha</translation>
    </message>
    <message>
        <source>Turn front side clockwise</source>
        <translation>Girar la cara frontal en sentido horario</translation>
    </message>
    <message>
        <source>Turn front side counterclockwise</source>
        <translation>Girar la cara frontal en sentido antihorario</translation>
    </message>
    <message>
        <source>Turn front side twice</source>
        <translation>Girar la cara frontal dos veces</translation>
    </message>
    <message>
        <source>Turn left side clockwise</source>
        <translation>Girar la cara izquierda en sentido horario</translation>
    </message>
    <message>
        <source>Turn left side counterclockwise</source>
        <translation>Girar la cara izquierda en sentido antihorario</translation>
    </message>
    <message>
        <source>Turn left side twice</source>
        <translation>Girar la cara izquierda dos veces</translation>
    </message>
    <message>
        <source>Turn back side clockwise</source>
        <translation>Girar la cara trasera en sentido horario</translation>
    </message>
    <message>
        <source>Turn back side counterclockwise</source>
        <translation>Girar la cara trasera en sentido antihorario</translation>
    </message>
    <message>
        <source>Turn back side twice</source>
        <translation>Girar la cara trasera dos veces</translation>
    </message>
    <message>
        <source>Turn right side clockwise</source>
        <translation>Girar la cara derecha en sentido horario</translation>
    </message>
    <message>
        <source>Turn right side counterclockwise</source>
        <translation>Girar la cara derecha en sentido antihorario</translation>
    </message>
    <message>
        <source>Turn right side twice</source>
        <translation>Girar la cara derecha dos veces</translation>
    </message>
    <message>
        <source>Turn top side clockwise</source>
        <translation>Girar la cara superior en sentido horario</translation>
    </message>
    <message>
        <source>Turn top side counterclockwise</source>
        <translation>Girar la cara superior en sentido antihorario</translation>
    </message>
    <message>
        <source>Turn top side twice</source>
        <translation>Girar la cara superior dos veces</translation>
    </message>
    <message>
        <source>Turn bottom side clockwise</source>
        <translation>Girar la cara inferior en sentido horario</translation>
    </message>
    <message>
        <source>Turn bottom side counterclockwise</source>
        <translation>Girar la cara inferior en sentido antihorario</translation>
    </message>
    <message>
        <source>Turn bottom side twice</source>
        <translation>Girar la cara inferior dos veces</translation>
    </message>
    <message>
        <source>Rotate cube up (front side becomes top side)</source>
        <translation>Girar el cubo hacia arriba (la cara frontal pasa a ser la superior)</translation>
    </message>
    <message>
        <source>Rotate cube down (front side becomes bottom side)</source>
        <translation>Girar el cubo hacia abajo (la cara frontal pasa a ser la inferior)</translation>
    </message>
    <message>
        <source>Rotate cube left (front side becomes left side)</source>
        <translation>Girar el cubo hacia la izquierda (la cara frontal pasa a ser la izquierda)</translation>
    </message>
    <message>
        <source>Rotate cube right (front side becomes right side)</source>
        <translation>Girar el cubo hacia la derecha (la cara frontal pasa a ser la derecha)</translation>
    </message>
    <message>
        <source>Top edges</source>
        <translation>Aristas superiores</translation>
    </message>
    <message>
        <source>Top corners</source>
        <translation>Esquinas superiores</translation>
    </message>
    <message>
        <source>Middle edges</source>
        <translation>Aristas centrales</translation>
    </message>
    <message>
        <source>Bottom corners</source>
        <translation>Esquinas inferiores</translation>
    </message>
    <message>
        <source>Bottom edges</source>
        <translation>Aristas inferiores</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Naranja</translation>
    </message>
    <message>
        <source>clockwise</source>
        <translation>en sentido horario</translation>
    </message>
    <message>
        <source>counterclockwise</source>
        <translation>en sentido antihorario</translation>
    </message>
    <message>
        <source>twice</source>
        <translation>dos veces</translation>
    </message>
    <message>
        <source>%1 cannot be opened</source>
        <translation>no se puede abrir %1</translation>
    </message>
    <message>
        <source>%1 is a folder, not an image</source>
        <translation>%1 es una carpeta, no una imagen</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 no es un archivo</translation>
    </message>
    <message>
        <source>%1 is too large (%2)</source>
        <translation>%1 es demasiado grande (%2)</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>no se puede leer %1</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 está vacío</translation>
    </message>
    <message>
        <source>%1 is not an image</source>
        <translation>%1 no es una imagen</translation>
    </message>
    <message>
        <source>%1 is cut short</source>
        <translation>%1 está incompleto</translation>
    </message>
    <message>
        <source>%1 is damaged</source>
        <translation>%1 está dañado</translation>
    </message>
    <message>
        <source>no 3×3 grid found in %1</source>
        <translation>no se encontró ninguna cuadrícula de 3×3 en %1</translation>
    </message>
    <message>
        <source>A cube is read from six photos, one of each side; 1 was given.</source>
        <translation>Un cubo se lee a partir de seis fotos, una de cada cara; se dio 1.</translation>
    </message>
    <message>
        <source>A cube is read from six photos, one of each side; %1 were given.</source>
        <translation>Un cubo se lee a partir de seis fotos, una de cada cara; se dieron %1.</translation>
    </message>
    <message>
        <source>Photo %1 gives no colour for square %2.</source>
        <translation>La foto %1 no da ningún color para la casilla %2.</translation>
    </message>
    <message>
        <source>Photos %1 and %2 show the same side: their centres have one colour. Each photo must show a different side.</source>
        <translation>Las fotos %1 y %2 muestran la misma cara: sus centros tienen el mismo color. Cada foto debe mostrar una cara distinta.</translation>
    </message>
    <message>
        <source>position %1: %2 is not one of the letters U R F D L B</source>
        <translation>posición %1: %2 no es ninguna de las letras U R F D L B</translation>
    </message>
    <message>
        <source>a facelet string has 54 letters, this one has %1</source>
        <translation>una cadena de facetas tiene 54 letras, esta tiene %1</translation>
    </message>
    <message>
        <source>Invalid Cube Configuration</source>
        <translation>Configuración de cubo no válida</translation>
    </message>
    <message>
        <source>Cube is already complete</source>
        <translation>El cubo ya está resuelto</translation>
    </message>
</context>
<context>
    <name>turnix::CubeFiles</name>
    <message>
        <source>Cube File (*.cub)</source>
        <translation>Archivo de cubo (*.cub)</translation>
    </message>
    <message>
        <source>No such file</source>
        <translation>No existe el archivo</translation>
    </message>
    <message>
        <source>Is a folder</source>
        <translation>Es una carpeta</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>No es un archivo normal</translation>
    </message>
    <message>
        <source>Open Configuration</source>
        <translation>Abrir configuración</translation>
    </message>
    <message>
        <source>Cannot read the file</source>
        <translation>No se puede leer el archivo</translation>
    </message>
    <message>
        <source>The file could not be opened.

%1: %2</source>
        <translation>No se pudo abrir el archivo.

%1: %2</translation>
    </message>
    <message>
        <source>Save Configuration</source>
        <translation>Guardar configuración</translation>
    </message>
</context>
<context>
    <name>turnix::CubeFrame</name>
    <message>
        <source>from behind</source>
        <translation>desde atrás</translation>
    </message>
</context>
<context>
    <name>turnix::CubeView3D</name>
    <message>
        <source>3-D cube</source>
        <translation>Cubo en 3D</translation>
    </message>
    <message>
        <source>Drag to turn the view; double-click for the usual view</source>
        <translation>Arrastre para girar la vista; doble clic para la vista habitual</translation>
    </message>
</context>
<context>
    <name>turnix::EditHistory</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
</context>
<context>
    <name>turnix::EditWords</name>
    <message>
        <source>Pick Color</source>
        <translation>Elegir color</translation>
    </message>
    <message>
        <source>Paint</source>
        <translation>Pintar</translation>
    </message>
    <message>
        <source>New Configuration</source>
        <translation>Nueva configuración</translation>
    </message>
    <message>
        <source>Open Configuration</source>
        <translation>Abrir configuración</translation>
    </message>
    <message>
        <source>Paste Facelets</source>
        <translation>Pegar facetas</translation>
    </message>
    <message>
        <source>Read Cube</source>
        <translation>Leer cubo</translation>
    </message>
    <message>
        <source>Turn Back %1 Side</source>
        <translation>Devolver la cara %1</translation>
    </message>
    <message>
        <source>Change Square</source>
        <translation>Cambiar casilla</translation>
    </message>
    <message>
        <source>Clockwise</source>
        <translation>En sentido horario</translation>
    </message>
    <message>
        <source>Counterclockwise</source>
        <translation>En sentido antihorario</translation>
    </message>
    <message>
        <source>Twice</source>
        <translation>Dos veces</translation>
    </message>
    <message>
        <source>Turn %1 Side %2</source>
        <translation>Girar la cara %1: %2</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Hacia la izquierda</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Hacia la derecha</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Hacia arriba</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Hacia abajo</translation>
    </message>
    <message>
        <source>Rotate Cube %1</source>
        <translation>Girar el cubo: %1</translation>
    </message>
    <message>
        <source>Apply Turns</source>
        <translation>Aplicar giros</translation>
    </message>
</context>
<context>
    <name>turnix::EntryChecks</name>
    <message>
        <source>Turn It Back</source>
        <translation>Devolverla</translation>
    </message>
    <message>
        <source>Turn the %1 side&apos;s outer squares back</source>
        <translation>Devolver las casillas exteriores de la cara %1</translation>
    </message>
    <message>
        <source>1 square to check; it wears a ? in the net:</source>
        <translation>1 casilla por comprobar; lleva un ? en la red:</translation>
    </message>
    <message>
        <source>%1 squares to check; each wears a ? in the net:</source>
        <translation>%1 casillas por comprobar; cada una lleva un ? en la red:</translation>
    </message>
    <message>
        <source>Make the %1 %2</source>
        <translation>Poner la %1 en %2</translation>
    </message>
    <message>
        <source>top left</source>
        <translation>arriba a la izquierda</translation>
    </message>
    <message>
        <source>top</source>
        <translation>arriba</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>arriba a la derecha</translation>
    </message>
    <message>
        <source>left</source>
        <translation>a la izquierda</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>en el centro</translation>
    </message>
    <message>
        <source>right</source>
        <translation>a la derecha</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>abajo a la izquierda</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>abajo</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>abajo a la derecha</translation>
    </message>
    <message>
        <source>%1 side, %2 square</source>
        <translation>cara %1, casilla %2</translation>
    </message>
    <message>
        <source>the other colour</source>
        <translation>el otro color</translation>
    </message>
</context>
<context>
    <name>turnix::FaceletClipboard</name>
    <message>
        <source>The cube cannot be copied as facelets: a square of the %1 side shows none of the six colours.</source>
        <translation>El cubo no se puede copiar como facetas: una casilla de la cara %1 no muestra ninguno de los seis colores.</translation>
    </message>
    <message>
        <source>The clipboard holds no facelet string.

</source>
        <translation>El portapapeles no contiene ninguna cadena de facetas.

</translation>
    </message>
</context>
<context>
    <name>turnix::FileSavingWords</name>
    <message>
        <source>The file could not be saved.

%1: %2</source>
        <translation>No se pudo guardar el archivo.

%1: %2</translation>
    </message>
</context>
<context>
    <name>turnix::FindingTexts</name>
    <message>
        <source>The %1 colour</source>
        <translation>El color de la cara %1</translation>
    </message>
    <message>
        <source>%1 has 1 square; it should have 9.</source>
        <translation>%1 tiene 1 casilla; debería tener 9.</translation>
    </message>
    <message>
        <source>%1 has %2 squares; it should have 9.</source>
        <translation>%1 tiene %2 casillas; debería tener 9.</translation>
    </message>
    <message>
        <source>The corner at %1, %2, %3 shows three colours that no corner has.</source>
        <translation>La esquina en %1, %2, %3 muestra tres colores que no tiene ninguna esquina.</translation>
    </message>
    <message>
        <source>The edge between %1 and %2 shows two colours that no edge has.</source>
        <translation>La arista entre %1 y %2 muestra dos colores que no tiene ninguna arista.</translation>
    </message>
    <message>
        <source>The corner at %1, %2, %3 is also at %4, %5, %6.</source>
        <translation>La esquina en %1, %2, %3 también está en %4, %5, %6.</translation>
    </message>
    <message>
        <source>The edge between %1 and %2 is also between %3 and %4.</source>
        <translation>La arista entre %1 y %2 también está entre %3 y %4.</translation>
    </message>
    <message>
        <source>The centres do not show the six colours, one each.</source>
        <translation>Los centros no muestran los seis colores, uno cada uno.</translation>
    </message>
    <message>
        <source>One square shows a colour that is on no centre.</source>
        <translation>Una casilla muestra un color que no está en ningún centro.</translation>
    </message>
    <message>
        <source>%1 squares show colours that are on no centre.</source>
        <translation>%1 casillas muestran colores que no están en ningún centro.</translation>
    </message>
    <message>
        <source>One corner is twisted in place.</source>
        <translation>Una esquina está girada en su sitio.</translation>
    </message>
    <message>
        <source>One edge is flipped.</source>
        <translation>Una arista está volteada.</translation>
    </message>
    <message>
        <source>Two pieces are swapped.</source>
        <translation>Dos piezas están intercambiadas.</translation>
    </message>
    <message>
        <source>Ready to solve</source>
        <translation>Listo para resolver</translation>
    </message>
    <message>
        <source>The %1 side looks entered turned a quarter counterclockwise.</source>
        <translation>La cara %1 parece introducida girada un cuarto de vuelta en sentido antihorario.</translation>
    </message>
    <message>
        <source>The %1 side looks entered turned half round.</source>
        <translation>La cara %1 parece introducida girada media vuelta.</translation>
    </message>
    <message>
        <source>The %1 side looks entered turned a quarter clockwise.</source>
        <translation>La cara %1 parece introducida girada un cuarto de vuelta en sentido horario.</translation>
    </message>
</context>
<context>
    <name>turnix::MainActions</name>
    <message>
        <source>&amp;Top</source>
        <translation>Arri&amp;ba</translation>
    </message>
    <message>
        <source>&amp;Bottom</source>
        <translation>Aba&amp;jo</translation>
    </message>
    <message>
        <source>&amp;Front</source>
        <translation>&amp;Frente</translation>
    </message>
    <message>
        <source>B&amp;ack</source>
        <translation>A&amp;trás</translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation>&amp;Izquierda</translation>
    </message>
    <message>
        <source>&amp;Right</source>
        <translation>&amp;Derecha</translation>
    </message>
    <message>
        <source>&amp;Clockwise</source>
        <translation>Sentido &amp;horario</translation>
    </message>
    <message>
        <source>Co&amp;unterclockwise</source>
        <translation>Sentido &amp;antihorario</translation>
    </message>
    <message>
        <source>&amp;Twice</source>
        <translation>&amp;Dos veces</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>Hacia a&amp;rriba</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>Hacia a&amp;bajo</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New Configuration</source>
        <translation>&amp;Nueva configuración</translation>
    </message>
    <message>
        <source>&amp;Open Configuration</source>
        <translation>&amp;Abrir configuración</translation>
    </message>
    <message>
        <source>&amp;Save Configuration</source>
        <translation>&amp;Guardar configuración</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Copy Facelets</source>
        <translation>&amp;Copiar facetas</translation>
    </message>
    <message>
        <source>&amp;Paste Facelets</source>
        <translation>&amp;Pegar facetas</translation>
    </message>
    <message>
        <source>&amp;Cube</source>
        <translation>&amp;Cubo</translation>
    </message>
    <message>
        <source>&amp;Solve</source>
        <translation>&amp;Resolver</translation>
    </message>
    <message>
        <source>Solve in &amp;Fewest Turns</source>
        <translation>Resolver con &amp;menos giros</translation>
    </message>
    <message>
        <source>Step &amp;Back</source>
        <translation>Paso &amp;atrás</translation>
    </message>
    <message>
        <source>&amp;Rotate</source>
        <translation>&amp;Girar</translation>
    </message>
    <message>
        <source>&amp;Define Colors</source>
        <translation>&amp;Definir colores</translation>
    </message>
    <message>
        <source>&amp;Side</source>
        <translation>C&amp;ara</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Mostrar</translation>
    </message>
    <message>
        <source>&amp;Turn</source>
        <translation>&amp;Girar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Instrucciones</translation>
    </message>
    <message>
        <source>&amp;About Turnix</source>
        <translation>&amp;Acerca de Turnix</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>Open Configuration</source>
        <translation>Abrir configuración</translation>
    </message>
    <message>
        <source>Save Configuration</source>
        <translation>Guardar configuración</translation>
    </message>
    <message>
        <source>Show %1 Side</source>
        <translation>Mostrar la cara %1</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Resolver</translation>
    </message>
    <message>
        <source>Step Back</source>
        <translation>Paso atrás</translation>
    </message>
    <message>
        <source>Apply &amp;Turns…</source>
        <translation>Aplicar gi&amp;ros…</translation>
    </message>
    <message>
        <source>Solve &amp;Optimally</source>
        <translation>Resolver de forma ó&amp;ptima</translation>
    </message>
    <message>
        <source>&amp;Clear Steps</source>
        <translation>&amp;Borrar pasos</translation>
    </message>
</context>
<context>
    <name>turnix::MainControls</name>
    <message>
        <source>Front Side</source>
        <translation>Cara frontal</translation>
    </message>
    <message>
        <source>Click to change color</source>
        <translation>Haga clic para cambiar el color</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>Solution Steps</source>
        <translation>Pasos de la solución</translation>
    </message>
    <message>
        <source>One Step</source>
        <translation>Un paso</translation>
    </message>
    <message>
        <source>Steps To Completion</source>
        <translation>Pasos restantes</translation>
    </message>
    <message>
        <source>Previous Steps</source>
        <translation>Pasos anteriores</translation>
    </message>
    <message>
        <source>Clear  Steps</source>
        <translation>Borrar pasos</translation>
    </message>
    <message>
        <source>Whole Cube</source>
        <translation>Cubo completo</translation>
    </message>
    <message>
        <source>&amp;Whole Cube</source>
        <translation>Cubo &amp;completo</translation>
    </message>
    <message>
        <source>Next turn: %1 (facing away), %2</source>
        <translation>Siguiente giro: %1 (de espaldas), %2</translation>
    </message>
</context>
<context>
    <name>turnix::PhotoReadingController</name>
    <message>
        <source>Read Cube from &amp;Photos…</source>
        <translation>Leer cubo desde &amp;fotos…</translation>
    </message>
    <message>
        <source>Scan with &amp;Camera…</source>
        <translation>Escanear con la &amp;cámara…</translation>
    </message>
    <message>
        <source>Read Cube from Photos</source>
        <translation>Leer cubo desde fotos</translation>
    </message>
    <message>
        <source>Photos (*.jpg *.jpeg *.png *.bmp *.webp)</source>
        <translation>Fotos (*.jpg *.jpeg *.png *.bmp *.webp)</translation>
    </message>
    <message>
        <source>The cube could not be read from the photos.

</source>
        <translation>No se pudo leer el cubo a partir de las fotos.

</translation>
    </message>
</context>
<context>
    <name>turnix::PhotoReadingWords</name>
    <message>
        <source>Choose six photos, one of each side of the cube; 1 was chosen.</source>
        <translation>Elija seis fotos, una de cada cara del cubo; se eligió 1.</translation>
    </message>
    <message>
        <source>Choose six photos, one of each side of the cube; %1 were chosen.</source>
        <translation>Elija seis fotos, una de cada cara del cubo; se eligieron %1.</translation>
    </message>
</context>
<context>
    <name>turnix::PrintingWords</name>
    <message>
        <source>No printer is installed, and no other output can be used.</source>
        <translation>No hay ninguna impresora instalada y no se puede usar otra salida.</translation>
    </message>
    <message>
        <source>The chosen printer cannot be used.</source>
        <translation>No se puede usar la impresora elegida.</translation>
    </message>
</context>
<context>
    <name>turnix::ProgramArguments</name>
    <message>
        <source>Solve a real 3x3x3 cube puzzle one step at a time: enter the colours of a scrambled cube, then replay the side turns that solve it.</source>
        <translation>Resolver un cubo 3x3x3 real paso a paso: introduzca los colores de un cubo desordenado y repita los giros de caras que lo resuelven.</translation>
    </message>
    <message>
        <source>A cube configuration file to open.</source>
        <translation>Un archivo de configuración de cubo para abrir.</translation>
    </message>
    <message>
        <source>Usage: %1 [FILE.cub]
Try &apos;%1 --help&apos;.
</source>
        <translation>Uso: %1 [ARCHIVO.cub]
Pruebe &apos;%1 --help&apos;.
</translation>
    </message>
    <message>
        <source>one cube file at a time, not %1
</source>
        <translation>un archivo de cubo cada vez, no %1
</translation>
    </message>
</context>
<context>
    <name>turnix::RecentFilesMenu</name>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Abrir &amp;reciente</translation>
    </message>
    <message>
        <source>Clear Menu</source>
        <translation>Borrar menú</translation>
    </message>
</context>
<context>
    <name>turnix::SideLettersMenu</name>
    <message>
        <source>Show Side &amp;Letters</source>
        <translation>Mostrar &amp;letras de las caras</translation>
    </message>
    <message>
        <source>Letters &amp;Name</source>
        <translation>Las letras &amp;indican</translation>
    </message>
    <message>
        <source>The Colour&apos;s &amp;Side (U R F D L B)</source>
        <translation>La &amp;cara del color (U R F D L B)</translation>
    </message>
    <message>
        <source>The Colour&apos;s &amp;Initial</source>
        <translation>La &amp;inicial del color</translation>
    </message>
</context>
<context>
    <name>turnix::SolutionStatusBar</name>
    <message>
        <source>Step %1 of %2 — next: %3</source>
        <translation>Paso %1 de %2 — siguiente: %3</translation>
    </message>
    <message>
        <source>Solved in 1 step</source>
        <translation>Resuelto en 1 paso</translation>
    </message>
    <message>
        <source>Solved in %1 steps</source>
        <translation>Resuelto en %1 pasos</translation>
    </message>
    <message>
        <source>Fewest turns</source>
        <translation>Menos giros</translation>
    </message>
    <message>
        <source>Layer by layer</source>
        <translation>Capa por capa</translation>
    </message>
    <message>
        <source>Optimal</source>
        <translation>Óptima</translation>
    </message>
</context>
<context>
    <name>turnix::SquareTexts</name>
    <message>
        <source>W</source>
        <comment>initial of White</comment>
        <translation>B</translation>
    </message>
    <message>
        <source>Y</source>
        <comment>initial of Yellow</comment>
        <translation>Am</translation>
    </message>
    <message>
        <source>G</source>
        <comment>initial of Green</comment>
        <translation>V</translation>
    </message>
    <message>
        <source>B</source>
        <comment>initial of Blue</comment>
        <translation>Az</translation>
    </message>
    <message>
        <source>R</source>
        <comment>initial of Red</comment>
        <translation>R</translation>
    </message>
    <message>
        <source>O</source>
        <comment>initial of Orange</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>no colour</source>
        <translation>ningún color</translation>
    </message>
    <message>
        <source>colour %1</source>
        <translation>color %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Colour %1 of 6</source>
        <translation>Color %1 de 6</translation>
    </message>
    <message>
        <source>A colour the cube cannot have</source>
        <translation>Un color que el cubo no puede tener</translation>
    </message>
</context>
<context>
    <name>turnix::StepsPrinterWords</name>
    <message>
        <source>Page %1</source>
        <translation>Página %1</translation>
    </message>
</context>
<context>
    <name>turnix::View3DController</name>
    <message>
        <source>3-D Cube</source>
        <translation>Cubo en 3D</translation>
    </message>
    <message>
        <source>&amp;3-D Cube</source>
        <translation>Cubo en &amp;3D</translation>
    </message>
    <message>
        <source>Turn &amp;Speed</source>
        <translation>&amp;Velocidad de giro</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Reproducir</translation>
    </message>
    <message>
        <source>Play the steps (Space)</source>
        <translation>Reproducir los pasos (Espacio)</translation>
    </message>
    <message>
        <source>&amp;Slow</source>
        <translation>&amp;Lenta</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <translation>&amp;Rápida</translation>
    </message>
    <message>
        <source>No &amp;Animation</source>
        <translation>Sin &amp;animación</translation>
    </message>
</context>
<context>
    <name>turnix::View3DPanel</name>
    <message>
        <source>Hold the cube with its front side facing you and its top side up</source>
        <translation>Sostenga el cubo con la cara frontal hacia usted y la superior arriba</translation>
    </message>
    <message>
        <source>Hold the cube with %1 facing you and %2 on top</source>
        <translation>Sostenga el cubo con el %1 hacia usted y el %2 arriba</translation>
    </message>
    <message>
        <source>Turn the %1 %2 (it faces away: see the view from behind)</source>
        <translation>Girar la %1 %2 (está de espaldas: vea la vista desde atrás)</translation>
    </message>
</context>
<context>
    <name>turnix::frmAbout</name>
    <message>
        <source>This program is provided as is, without warranty of any kind. If you pass it on, please pass on the whole program together with its instructions.</source>
        <translation>Este programa se ofrece tal cual, sin garantía de ningún tipo. Si lo distribuye, distribuya el programa completo junto con sus instrucciones.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Información del &amp;sistema...</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>La información del sistema no está disponible en este momento</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versión %1.%2.%3</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Finds the turns that solve your scrambled 3×3×3 cube and shows them one step at a time.</source>
        <translation>Encuentra los giros que resuelven su cubo 3×3×3 desordenado y los muestra paso a paso.</translation>
    </message>
</context>
<context>
    <name>turnix::frmApplyTurns</name>
    <message>
        <source>Apply Turns</source>
        <translation>Aplicar giros</translation>
    </message>
    <message>
        <source>&amp;Turns, such as a written scramble: U D F B L R, each alone, with &apos; or with 2; x y z turn the whole cube.</source>
        <translation>&amp;Giros, como una mezcla escrita: U D F B L R, solos, con &apos; o con 2; x y z giran todo el cubo.</translation>
    </message>
    <message>
        <source>R U2 F&apos; …</source>
        <translation>R U2 F&apos; …</translation>
    </message>
    <message>
        <source>“%1” at position %2 is not a turn. Nothing was applied.</source>
        <translation>«%1» en la posición %2 no es un giro. No se ha aplicado nada.</translation>
    </message>
</context>
<context>
    <name>turnix::frmChooseReading</name>
    <message>
        <source>Choose the Cube</source>
        <translation>Elegir el cubo</translation>
    </message>
    <message>
        <source>More than one cube fits the photos. Choose the one that matches your cube: its squares that differ from the first are marked.</source>
        <translation>Más de un cubo encaja con las fotos. Elija el que coincide con su cubo: las casillas que difieren del primero están marcadas.</translation>
    </message>
    <message>
        <source>Cube &amp;1 (likeliest)</source>
        <translation>Cubo &amp;1 (el más probable)</translation>
    </message>
    <message>
        <source>Cube &amp;%1</source>
        <translation>Cubo &amp;%1</translation>
    </message>
</context>
<context>
    <name>turnix::frmDefineColors</name>
    <message>
        <source>Define Colors</source>
        <translation>Definir colores</translation>
    </message>
    <message>
        <source>Color %1:</source>
        <translation>Color %1:</translation>
    </message>
    <message>
        <source>Click to choose this color</source>
        <translation>Haga clic para elegir este color</translation>
    </message>
    <message>
        <source>Defaults</source>
        <translation>Predeterminados</translation>
    </message>
    <message>
        <source>Standard Cube Colours</source>
        <translation>Colores estándar del cubo</translation>
    </message>
    <message>
        <source>White on top, yellow below, green in front, blue behind, orange on the left and red on the right, as on cubes sold today</source>
        <translation>Blanco arriba, amarillo abajo, verde delante, azul detrás, naranja a la izquierda y rojo a la derecha, como en los cubos que se venden hoy</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Error: All colors must be unique</source>
        <translation>Error: todos los colores deben ser distintos</translation>
    </message>
</context>
<context>
    <name>turnix::frmInstructions</name>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>The instructions file &quot;%1&quot; cannot be opened.</source>
        <translation>No se puede abrir el archivo de instrucciones «%1».</translation>
    </message>
    <message>
        <source>The instructions file &quot;%1&quot; is too large to show.</source>
        <translation>El archivo de instrucciones «%1» es demasiado grande para mostrarlo.</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instrucciones</translation>
    </message>
</context>
<context>
    <name>turnix::frmOptimalProgress</name>
    <message>
        <source>Solve Optimally</source>
        <translation>Resolver de forma óptima</translation>
    </message>
    <message>
        <source>Loading the table…</source>
        <translation>Cargando la tabla…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Making the table, once: %1%</source>
        <translation>Creando la tabla, una sola vez: %1 %</translation>
    </message>
    <message>
        <source>depth %1 searched</source>
        <translation>profundidad %1 explorada</translation>
    </message>
    <message>
        <source>%1, best %2 so far</source>
        <translation>%1, la mejor hasta ahora: %2</translation>
    </message>
    <message>
        <source> — stopping…</source>
        <translation> — deteniendo…</translation>
    </message>
    <message>
        <source>The optimal solver needs %1 MB of memory for its table, and only %2 MB are free.

Solve in fewest turns instead?</source>
        <translation>El solucionador óptimo necesita %1 MB de memoria para su tabla, y solo hay %2 MB libres.

¿Resolver con menos giros en su lugar?</translation>
    </message>
</context>
<context>
    <name>turnix::frmPickColor</name>
    <message>
        <source>Pick a Color</source>
        <translation>Elegir un color</translation>
    </message>
    <message>
        <source>Click to select, double-click to choose at once</source>
        <translation>Haga clic para seleccionar, doble clic para elegir de inmediato</translation>
    </message>
    <message>
        <source>Color %1</source>
        <translation>Color %1</translation>
    </message>
    <message>
        <source>Current Color:</source>
        <translation>Color actual:</translation>
    </message>
    <message>
        <source>Current Color</source>
        <translation>Color actual</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>turnix::frmScanCamera</name>
    <message>
        <source>Scan with Camera</source>
        <translation>Escanear con la cámara</translation>
    </message>
    <message>
        <source>How to hold the cube</source>
        <translation>Cómo sostener el cubo</translation>
    </message>
    <message>
        <source>Hold one side of the cube square to the camera, filling about a third of the picture, and keep it still until its grid turns green. Then turn the cube to show the next side. The sides may come in any order and any way up; the first becomes the front, its top edge the top.</source>
        <translation>Sostenga una cara del cubo de frente a la cámara, ocupando un tercio de la imagen, y manténgala quieta hasta que su cuadrícula se vuelva verde. Luego gire el cubo para mostrar la siguiente cara. Las caras pueden venir en cualquier orden y posición; la primera pasa a ser la frontal y su borde superior, arriba.</translation>
    </message>
    <message>
        <source>&amp;Start Over</source>
        <translation>Empezar de &amp;nuevo</translation>
    </message>
    <message>
        <source>&amp;Use This Cube</source>
        <translation>&amp;Usar este cubo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>All six sides taken. Choose Use This Cube.</source>
        <translation>Las seis caras están tomadas. Elija «Usar este cubo».</translation>
    </message>
    <message>
        <source>%1 of 6 sides taken.</source>
        <translation>%1 de 6 caras tomadas.</translation>
    </message>
    <message>
        <source> That side was taken already: show another.</source>
        <translation> Esa cara ya se tomó: muestre otra.</translation>
    </message>
    <message>
        <source> Choose Start Over and show the sides again.</source>
        <translation> Elija «Empezar de nuevo» y muestre las caras otra vez.</translation>
    </message>
</context>
<context>
    <name>turnix::frmSolutionSteps</name>
    <message>
        <source>Solution Steps</source>
        <translation>Pasos de la solución</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Save Completion Steps</source>
        <translation>Guardar los pasos</translation>
    </message>
    <message>
        <source>Text File (*.txt)</source>
        <translation>Archivo de texto (*.txt)</translation>
    </message>
    <message>
        <source>The printer or the output file could not be written.</source>
        <translation>No se pudo escribir en la impresora o en el archivo de salida.</translation>
    </message>
    <message>
        <source>The steps could not be printed.</source>
        <translation>No se pudieron imprimir los pasos.</translation>
    </message>
</context>
<context>
    <name>turnix::frmTurnix</name>
    <message>
        <source>Steps to Completion</source>
        <translation>Pasos restantes</translation>
    </message>
    <message>
        <source>Previous Steps</source>
        <translation>Pasos anteriores</translation>
    </message>
</context>
</TS>
