<?xml version="1.0" encoding="UTF-8"?>
<tileset version="1.8" tiledversion="1.8.2" name="13_Marsh_World" tilewidth="320" tileheight="208" tilecount="12" columns="0">
 <grid orientation="orthogonal" width="1" height="1"/>
 <properties>
  <property name="nextTileId" type="int" value="12"/>
 </properties>
 <tile id="0">
  <image width="112" height="208" source="13_Marsh_World/Cattails.png"/>
 </tile>
 <tile id="1">
  <image width="112" height="208" source="13_Marsh_World/Cattails_0.png"/>
 </tile>
 <tile id="2">
  <image width="112" height="208" source="13_Marsh_World/Cattails_1.png"/>
 </tile>
 <tile id="3">
  <image width="112" height="208" source="13_Marsh_World/Cattails_2.png"/>
 </tile>
 <tile id="4">
  <image width="80" height="176" source="13_Marsh_World/Lantern.png"/>
 </tile>
 <tile id="5">
  <image width="80" height="176" source="13_Marsh_World/Lantern_0.png"/>
 </tile>
 <tile id="6">
  <image width="80" height="176" source="13_Marsh_World/Lantern_1.png"/>
 </tile>
 <tile id="7">
  <image width="80" height="176" source="13_Marsh_World/Lantern_2.png"/>
 </tile>
 <tile id="8">
  <image width="128" height="56" source="13_Marsh_World/LilyPad.png"/>
 </tile>
 <tile id="9">
  <image width="320" height="88" source="13_Marsh_World/MossyLog.png"/>
 </tile>
 <tile id="10">
  <image width="192" height="48" source="13_Marsh_World/Platform_LilyPad.png"/>
 </tile>
 <tile id="11">
  <image width="128" height="112" source="13_Marsh_World/Stump.png"/>
 </tile>
</tileset>
