<?xml version="1.0" encoding="UTF-8"?>
<tileset version="1.8" tiledversion="1.8.2" name="15_Enemies" tilewidth="168" tileheight="160" tilecount="23" columns="0">
 <grid orientation="orthogonal" width="1" height="1"/>
 <properties>
  <property name="nextTileId" type="int" value="23"/>
 </properties>
 <tile id="0">
  <image width="168" height="160" source="15_Enemies/KingWasp.png"/>
 </tile>
 <tile id="1">
  <image width="168" height="160" source="15_Enemies/KingWasp_Angry_0.png"/>
 </tile>
 <tile id="2">
  <image width="168" height="160" source="15_Enemies/KingWasp_Angry_1.png"/>
 </tile>
 <tile id="3">
  <image width="168" height="160" source="15_Enemies/KingWasp_Fly_0.png"/>
 </tile>
 <tile id="4">
  <image width="168" height="160" source="15_Enemies/KingWasp_Fly_1.png"/>
 </tile>
 <tile id="5">
  <image width="128" height="96" source="15_Enemies/Porcupine.png"/>
 </tile>
 <tile id="6">
  <image width="128" height="96" source="15_Enemies/Porcupine_Bristle_0.png"/>
 </tile>
 <tile id="7">
  <image width="128" height="96" source="15_Enemies/Porcupine_Bristle_1.png"/>
 </tile>
 <tile id="8">
  <image width="128" height="96" source="15_Enemies/Porcupine_Bristle_2.png"/>
 </tile>
 <tile id="9">
  <image width="128" height="96" source="15_Enemies/Porcupine_Walk_0.png"/>
 </tile>
 <tile id="10">
  <image width="128" height="96" source="15_Enemies/Porcupine_Walk_1.png"/>
 </tile>
 <tile id="11">
  <image width="128" height="96" source="15_Enemies/Porcupine_Walk_2.png"/>
 </tile>
 <tile id="12">
  <image width="128" height="96" source="15_Enemies/Porcupine_Walk_3.png"/>
 </tile>
 <tile id="13">
  <image width="96" height="92" source="15_Enemies/RedWasp.png"/>
 </tile>
 <tile id="14">
  <image width="96" height="92" source="15_Enemies/RedWasp_Angry_0.png"/>
 </tile>
 <tile id="15">
  <image width="96" height="92" source="15_Enemies/RedWasp_Angry_1.png"/>
 </tile>
 <tile id="16">
  <image width="96" height="92" source="15_Enemies/RedWasp_Fly_0.png"/>
 </tile>
 <tile id="17">
  <image width="96" height="92" source="15_Enemies/RedWasp_Fly_1.png"/>
 </tile>
 <tile id="18">
  <image width="96" height="92" source="15_Enemies/Wasp.png"/>
 </tile>
 <tile id="19">
  <image width="96" height="92" source="15_Enemies/Wasp_Angry_0.png"/>
 </tile>
 <tile id="20">
  <image width="96" height="92" source="15_Enemies/Wasp_Angry_1.png"/>
 </tile>
 <tile id="21">
  <image width="96" height="92" source="15_Enemies/Wasp_Fly_0.png"/>
 </tile>
 <tile id="22">
  <image width="96" height="92" source="15_Enemies/Wasp_Fly_1.png"/>
 </tile>
</tileset>
